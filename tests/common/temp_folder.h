// A folder of its own for one test (or one test program, kept in a static),
// named for the process so that programs running side by side never meet in it,
// removed afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace morvello::testing {

class TempFolder {
  public:
    TempFolder() {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }

    // Writes the file, and the folders it lies in.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

  private:
    static inline int made_ = 0;
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("morvello-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made_));
};

}  // namespace morvello::testing
