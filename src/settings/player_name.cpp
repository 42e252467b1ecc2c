#include "settings/player_name.h"

#include "settings/windows1252.h"

namespace morvello {
namespace {

bool isLeadingSpace(char32_t ch) {
    return ch == U' ' || ch == U'\t';
}

NameFault characterFault(char32_t ch) {
    if (ch == U',') return NameFault::Comma;
    if (ch == U'"') return NameFault::Quote;
    if (ch == U'\r' || ch == U'\n') return NameFault::LineBreak;
    if (ch < 0x20 || ch == 0x7F) return NameFault::ControlCharacter;
    if (!windows1252FromUnicode(ch)) return NameFault::OutsideCodePage;
    return NameFault::None;
}

}  // namespace

NameFault nameFault(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const bool first = pos == 0;
        const char32_t ch = nextUtf8Character(utf8, pos);
        if (first && isLeadingSpace(ch)) return NameFault::LeadingSpace;
        if (const NameFault fault = characterFault(ch); fault != NameFault::None) return fault;
    }
    return NameFault::None;
}

std::string storableName(std::string_view utf8) {
    std::string kept;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = nextUtf8Character(utf8, pos);
        if (kept.empty() && isLeadingSpace(ch)) continue;
        if (characterFault(ch) == NameFault::None) appendUtf8(kept, ch);
    }
    return kept;
}

}  // namespace morvello
