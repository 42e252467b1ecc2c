#include "settings/field_reader.h"

#include <algorithm>

namespace morvello {
namespace {

constexpr std::int64_t kSaturated = INT64_C(1) << 40;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optionally signed decimal number at the start of text, the rest ignored.
std::optional<std::int64_t> leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    if (pos == text.size() || !isDigit(text[pos])) return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        if (value < kSaturated) value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

}  // namespace

FieldReader::FieldReader(std::string_view text) : text_(text) {
    if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
}

std::size_t FieldReader::contentEnd() const {
    return std::min(text_.find_first_of("\r\n", pos_), text_.size());
}

void FieldReader::passLineEnd(std::size_t contentEnd) {
    pos_ = contentEnd;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

void FieldReader::skipSpaces(std::size_t contentEnd) {
    while (pos_ < contentEnd && isSpace(text_[pos_])) ++pos_;
}

std::optional<std::string_view> FieldReader::stringField() {
    if (atEnd()) return std::nullopt;
    const std::string_view line = text_.substr(0, contentEnd());  // the text up to this line's end
    skipSpaces(line.size());
    std::string_view field;
    std::size_t rest = 0;  // where the search for the separating comma starts
    if (pos_ < line.size() && line[pos_] == '"') {
        const std::size_t close = std::min(line.find('"', pos_ + 1), line.size());
        field = line.substr(pos_ + 1, close - pos_ - 1);
        rest = std::min(close + 1, line.size());
    } else {
        field = line.substr(pos_, std::min(line.find(',', pos_), line.size()) - pos_);
        rest = pos_ + field.size();
    }
    const std::size_t comma = line.find(',', rest);
    if (comma == std::string_view::npos) {
        passLineEnd(line.size());
    } else {
        pos_ = comma + 1;
    }
    return field;
}

std::optional<std::int64_t> FieldReader::numberField() {
    if (atEnd()) return std::nullopt;
    const std::size_t end = contentEnd();
    skipSpaces(end);
    const std::string_view rest = text_.substr(pos_, end - pos_);
    passLineEnd(end);
    return leadingNumber(rest);
}

}  // namespace morvello
