#include "settings/ini_text.h"

#include <algorithm>

namespace morvello {
namespace {

constexpr std::string_view kSpaces = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(kSpaces), text.size());
    text.remove_prefix(start);
    const std::size_t end = text.find_last_not_of(kSpaces);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// "section/key" split at its last slash; a key with none lies in no section.
std::pair<std::string_view, std::string_view> sectionAndName(std::string_view key) {
    const std::size_t slash = key.rfind('/');
    if (slash == std::string_view::npos) return {{}, key};
    return {key.substr(0, slash), key.substr(slash + 1)};
}

}  // namespace

IniText::IniText(std::string_view text) {
    std::string section;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.starts_with(';') || line.starts_with('#'))
            continue;
        const std::string_view name = trimmed(line.substr(0, equals));
        if (name.empty()) continue;
        setValue(section.empty() ? std::string(name) : section + "/" + std::string(name),
                 std::string(trimmed(line.substr(equals + 1))));
    }
}

std::optional<std::string> IniText::value(std::string_view key) const {
    for (const auto& [name, value] : entries_)
        if (name == key) return value;
    return std::nullopt;
}

void IniText::setValue(std::string_view key, std::string value) {
    for (auto& [name, held] : entries_) {
        if (name == key) {
            held = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::move(value));
}

std::string IniText::text() const {
    std::vector<std::string_view> sections;
    for (const auto& entry : entries_) {
        const std::string_view section = sectionAndName(entry.first).first;
        if (std::find(sections.begin(), sections.end(), section) != sections.end()) continue;
        // Keys in no section come before the first header.
        sections.insert(section.empty() ? sections.begin() : sections.end(), section);
    }
    std::string out;
    for (const std::string_view section : sections) {
        if (!out.empty()) out += '\n';
        if (!section.empty()) out += "[" + std::string(section) + "]\n";
        for (const auto& [key, value] : entries_) {
            const auto [inSection, name] = sectionAndName(key);
            if (inSection == section) out += std::string(name) + "=" + value + "\n";
        }
    }
    return out;
}

}  // namespace morvello
