// The Windows-1252 code page of the configuration file, and the UTF-8 the game
// holds its texts in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvello {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The Unicode character of one Windows-1252 byte; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
char32_t unicodeFromWindows1252(unsigned char byte);

// The Windows-1252 byte of a character, or nothing when the code page has none.
std::optional<unsigned char> windows1252FromUnicode(char32_t ch);

// Decodes one character of UTF-8 at pos and moves pos past it. A malformed,
// overlong or surrogate sequence gives U+FFFD and moves past one byte.
char32_t nextUtf8Character(std::string_view utf8, std::size_t& pos);

void appendUtf8(std::string& out, char32_t ch);

std::string utf8FromWindows1252(std::string_view bytes);

// Characters the code page cannot hold are left out.
std::string windows1252FromUtf8(std::string_view utf8);

}  // namespace morvello
