// Sequential reading of the fields of a text file, one "Input #" at a time.
//
// Fields are separated by commas or line ends; lines end with CR LF, a bare LF or
// a bare CR, and the last line may have no end. A UTF-8 byte-order mark at the
// start is not part of the first field. A string field skips leading spaces and ends
// at the first comma or at the line end, either of which it consumes; a string
// field starting with a double quote ends at the closing quote, and whatever
// follows up to the comma or line end is passed over. A number field skips
// spaces, takes an optionally signed decimal number and passes over the rest of
// the line. Reading past the last byte fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace morvello {

class FieldReader {
  public:
    explicit FieldReader(std::string_view text);

    // The raw bytes of the next string field; nothing at the end of the text.
    std::optional<std::string_view> stringField();

    // The next number field. Nothing at the end of the text or when the field
    // does not start with a number (the field is consumed all the same). Numbers
    // too large for the result saturate, so they stay out of every range.
    std::optional<std::int64_t> numberField();

    bool atEnd() const { return pos_ >= text_.size(); }

  private:
    std::size_t contentEnd() const;  // end of the current line, before its CR LF or LF
    void passLineEnd(std::size_t contentEnd);
    void skipSpaces(std::size_t contentEnd);

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace morvello
