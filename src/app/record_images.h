#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/image_undo_copy.h"
#include "platform/image_converter.h"
#include "platform/prompts.h"

// The image file of one record: stored, replaced and deleted in the image folder under the
// record's Key.
namespace app {

// Picture files a user may choose or download: the types the image folder holds and those it
// takes after converting them to JPEG.
const platform::FileFilter& PictureFileFilter();
// Their extensions, in lower case.
std::span<const std::string_view> PictureExtensions();
// True if a file with this extension (without the dot, any case) is offered as a picture.
bool IsPictureExtension(std::string_view extension);
// True for the extensions the image folder holds as they are: jpg, gif and bmp (any case).
bool IsStoredImageExtension(std::string_view extension);

// Where the record editor downloads a picture of this type (the extension without the dot):
// res/iprev.<extension> in the program folder.
std::string PreviewImagePath(std::string_view program_folder, std::string_view extension);

// Stores the picture `source` as the image of the record with `key`: as folder/key.jpg, .gif or
// .bmp after the source's own type (the extension in lower case, so that the record finds it),
// any other picture as ".jpg", converted unless it already is a JPEG file. The record's other
// image files (of any type, in any letter case) are removed afterwards, so the new one is the
// one shown. The record's own image given as `source` is left as it is. Returns the stored path;
// empty when nothing was stored (the record's images are then as they were).
// Nothing is stored when `undo` could not keep the image it would replace.
std::string StoreRecordImage(const std::string& image_folder, std::string_view key,
                             const std::string& source, platform::ImageConverter& converter,
                             const core::ImageUndoCopy& undo);

// Deletes the record's image files: folder/key.bmp, .gif and .jpg in any letter case; missing
// files are no error; a file that `undo` could not keep stays.
void DeleteRecordImages(const std::string& image_folder, std::string_view key,
                        const core::ImageUndoCopy& undo);

// True if the file begins as every JPEG file does.
bool IsJpegFile(const std::string& path);

}  // namespace app
