#pragma once

#include <string>
#include <string_view>

// The web address of a picture typed into the record editor.
namespace app {

struct ImageAddress {
    enum class Verdict { kEmpty, kNotWebAddress, kNotPicture, kPicture };
    Verdict verdict = Verdict::kEmpty;
    std::string address;    // without surrounding blanks
    std::string extension;  // the picture's type in lower case ("jpg"), for kPicture
};

// Checks an address: it must begin with "http://" or "https://" (any case) and its path must
// end in a picture extension; a query or fragment after the path ("cover.jpg?w=300") does not
// count.
ImageAddress CheckImageAddress(std::string_view typed);

}  // namespace app
