// The text of the small settings files (window.ini, view.ini, players.ini):
// "[section]" lines and "key=value" lines under them, a key named
// "section/key". Keys the program does not know, from a newer version, are kept
// and written back; lines that are neither are dropped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvello {

class IniText {
  public:
    IniText() = default;
    explicit IniText(std::string_view text);

    // The value of "section/key"; nothing when the text does not hold it.
    std::optional<std::string> value(std::string_view key) const;
    void setValue(std::string_view key, std::string value);

    // The whole text, each section once, in the order the keys came.
    std::string text() const;

  private:
    std::vector<std::pair<std::string, std::string>> entries_;  // "section/key", value
};

}  // namespace morvello
