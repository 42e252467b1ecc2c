#include "settings/windows1252.h"

#include <array>

namespace morvello {
namespace {

// Bytes 0x80..0x9F; every other byte is the Latin-1 character of the same number.
constexpr std::array<char32_t, 32> kHighControls{
    U'\u20AC',
    kReplacementCharacter,
    U'\u201A',
    U'\u0192',
    U'\u201E',
    U'\u2026',
    U'\u2020',
    U'\u2021',
    U'\u02C6',
    U'\u2030',
    U'\u0160',
    U'\u2039',
    U'\u0152',
    kReplacementCharacter,
    U'\u017D',
    kReplacementCharacter,
    kReplacementCharacter,
    U'\u2018',
    U'\u2019',
    U'\u201C',
    U'\u201D',
    U'\u2022',
    U'\u2013',
    U'\u2014',
    U'\u02DC',
    U'\u2122',
    U'\u0161',
    U'\u203A',
    U'\u0153',
    kReplacementCharacter,
    U'\u017E',
    U'\u0178',
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

char32_t unicodeFromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> windows1252FromUnicode(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    if (ch == kReplacementCharacter) return std::nullopt;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

char32_t nextUtf8Character(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t length = 0;
    char32_t ch = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        ch = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        ch = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        ch = lead & 0x07;
        smallest = 0x10000;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    if (utf8.size() - pos < length) {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[pos + i]);
        if (!isContinuation(byte)) {
            ++pos;
            return kReplacementCharacter;
        }
        ch = (ch << 6) | (byte & 0x3F);
    }
    if (ch < smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return ch;
}

void appendUtf8(std::string& out, char32_t ch) {
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (ch < 0x80) {
        put(ch);
    } else if (ch < 0x800) {
        put(0xC0 | (ch >> 6));
        put(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        put(0xE0 | (ch >> 12));
        put(0x80 | ((ch >> 6) & 0x3F));
        put(0x80 | (ch & 0x3F));
    } else {
        put(0xF0 | (ch >> 18));
        put(0x80 | ((ch >> 12) & 0x3F));
        put(0x80 | ((ch >> 6) & 0x3F));
        put(0x80 | (ch & 0x3F));
    }
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, unicodeFromWindows1252(static_cast<unsigned char>(byte)));
    return out;
}

std::string windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (const auto byte = windows1252FromUnicode(nextUtf8Character(utf8, pos))) {
            out.push_back(static_cast<char>(*byte));
        }
    }
    return out;
}

}  // namespace morvello
