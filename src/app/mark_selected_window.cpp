#include "app/mark_selected_window.h"

#include "app/marking.h"
#include "core/text.h"

namespace app {
namespace {

// The index-th number of a month/day/year date, as a plain number ("03" gives "3").
std::string DateNumber(std::string_view date, int index) {
    const std::string fields = core::ReplaceChar(std::string(date), '/', '|');
    return std::to_string(core::ParseLeadingInt(core::GetField(fields, index)));
}

}  // namespace

int MarkSelectedWindow::Minimum(Field field) {
    return field == Field::kYear ? 1970 : 1;
}

int MarkSelectedWindow::Maximum(Field field) {
    switch (field) {
        case Field::kMonth:
            return 12;
        case Field::kDay:
            return 31;
        case Field::kYear:
            return 2030;
    }
    return 0;
}

MarkSelectedWindow::MarkSelectedWindow(Session& session) : session_(session) {
    std::string date = core::TodayDate(session.clock);
    if (session.Videos.SelectedCount() == 1) {
        const std::string viewed =
            session.Videos.GetCell(session.Videos.SelectedRows().front(),
                                   session.Videos.ColumnIndexOf(core::column_name::kLastViewed));
        if (!viewed.empty()) date = viewed;
    }
    for (int index = 0; index < 3; ++index) texts_[index] = DateNumber(date, index);
}

bool MarkSelectedWindow::Ok() {
    for (Field field : {Field::kMonth, Field::kDay, Field::kYear}) {
        if (Text(field).empty()) {
            focus_ = field;
            return false;
        }
    }
    MarkViewedOn(session_, Text(Field::kMonth), Text(Field::kDay), Text(Field::kYear));
    return true;
}

}  // namespace app
