// The lines of a configuration file, for tests that edit a file line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvello {

inline std::vector<std::string> splitLines(std::string_view file) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = file.find("\r\n")) != std::string_view::npos;) {
        lines.emplace_back(file.substr(0, end));
        file.remove_prefix(end + 2);
    }
    if (!file.empty()) lines.emplace_back(file);
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines) file += line + "\r\n";
    return file;
}

}  // namespace morvello
