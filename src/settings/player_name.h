// Which player names the configuration file can hold. A name is stored as one
// line of Windows-1252 text and read back as one string field, so it must not
// start with a space, nor hold a comma, a double quote, a line break or another
// control character, nor a character the code page lacks.
#pragma once

#include <string>
#include <string_view>

namespace morvello {

// The longest name, in characters, that a side seat can write down its edge: the
// name boxes take no more, and the file reader keeps no more of a name.
inline constexpr int kMaxNameLength = 16;

enum class NameFault {
    None,
    LeadingSpace,
    Comma,
    Quote,
    LineBreak,
    ControlCharacter,
    OutsideCodePage,  // also malformed UTF-8
};

// The first reason why a UTF-8 name would not read back as written.
NameFault nameFault(std::string_view utf8);

inline bool isStorableName(std::string_view utf8) {
    return nameFault(utf8) == NameFault::None;
}

// The name with every character that cannot be stored left out, and then its
// leading spaces: what the file keeps of it.
std::string storableName(std::string_view utf8);

}  // namespace morvello
