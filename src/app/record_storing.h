#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/session.h"
#include "core/dates.h"
#include "core/video_list.h"
#include "platform/image_converter.h"
#include "platform/prompts.h"

// What the record editor stores: the cells built from its fields, a new row or the changes to
// an existing one, and the record's image.
namespace app {

// The editor's fields as typed.
struct RecordFields {
    std::string title;
    std::string category;
    std::string cast;
    std::string director;
    std::string producer;
    std::string writer;
    std::string year;
    std::string hours;
    std::string minutes;
    std::string seconds;
    bool viewed = false;
    std::string month;
    std::string day;
    std::string viewed_year;
    std::string mpaa;
    std::vector<std::string> custom;  // one per custom column, in table order
    std::string synopsis;
    std::string image_file;
};

// A text as a cell may hold it, whichever way it came in (typed, imported, downloaded): the
// synopsis keeps its line breaks as "~", other cells lose them, and no cell keeps "<" or ">",
// so that a cell stays one line of the main file and puts no markup into published pages.
std::string CleanCell(std::string text, bool synopsis = false);
// Whether CleanCell would change the text: it holds a line break, "<" or ">".
bool NeedsCleaning(std::string_view text);

// The custom columns in table order: the ones the editor's Miscellaneous fields fill.
std::vector<int> CustomColumns(const core::VideoList& list);

// The cells the fields give, as (column name, text): the title with its leading article moved
// when `move_article`, the duration as "hh:mm:ss" (empty for none), the viewed date as typed
// with a one-digit month or day made two, the synopsis's line breaks as "~"; no cell holds a
// line break or an angle bracket.
std::vector<std::pair<std::string, std::string>> RecordCells(const RecordFields& fields,
                                                             const core::VideoList& list,
                                                             bool move_article);

// A Key for a new record: now, or the next second that no row has taken yet.
std::string NextFreeKey(const core::VideoList& list, const core::Clock& clock);

// Appends a record of the fields, stores its image, sorts the list again and selects the new
// row. Returns the row it now has.
int AddRecord(Session& session, const RecordFields& fields, platform::ImageConverter& converter);

// Stores the fields into `row`; its Key, number, date added and flag stay. A new image
// replaces the record's image.
void StoreEdit(Session& session, int row, const RecordFields& fields,
               platform::ImageConverter& converter);

// After adding `title`: a wanted title equal to it (ignoring case) is removed, without asking
// when the settings say so.
void OfferWantedRemoval(Session& session, platform::Prompts& prompts, std::string_view title);

}  // namespace app
