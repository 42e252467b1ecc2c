// The one way the game and its tools read and replace the files they keep:
// config.qvr, the statistics, the settings files, the review's exports, the
// runner's deck files.
//
// Only a regular file is read or replaced, and that is checked on the open
// descriptor. A symbolic link in the file's place, a FIFO, a device or a folder
// is left alone: it is neither read through nor replaced, and opening never
// waits on it. (Links among the folders above the file are followed.)
//
// Reading keeps at most a bound chosen per file; a line longer than its own
// bound keeps its start and the rest of it is passed over, so it costs only that
// line. Replacing writes a temporary file in the same folder, checks every write,
// the flush to disk and the close, and renames it over the old file only then:
// a failed save leaves the old file whole.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvello::files {

struct ReadBound {
    std::size_t bytes;              // the most bytes kept of the file
    std::size_t lineBytes = bytes;  // the most bytes kept of one line
};

// The rest of over-long lines is passed over up to this many bytes in all; past
// it reading stops, so no file costs more than a moment to read.
inline constexpr std::size_t kMostBytesPassedOver = std::size_t{64} << 20;

enum class FileState {
    Regular,     // a regular file (read whole or to its bound)
    Missing,     // nothing there (or a folder above it is missing)
    NotRegular,  // a link, FIFO, device, socket or folder: left alone
    Unreadable,  // a regular file that could not be opened or read
};

struct ReadResult {
    FileState state = FileState::Missing;
    int error = 0;      // the errno of an Unreadable file
    std::string text;   // what was kept
    bool whole = true;  // every byte of the file was kept: no bound was reached
};

ReadResult readKeptFile(const std::string& path, const ReadBound& bound);

enum class SaveState {
    Saved,
    NotRegular,  // something other than a regular file stands there: left alone
    Failed,      // not written whole (full disk, no permission...): the old file kept
};

struct SaveResult {
    SaveState state = SaveState::Failed;
    int error = 0;  // the errno of a Failed save
    explicit operator bool() const { return state == SaveState::Saved; }
};

// Replaces the file at path with bytes, creating the folders it lies in. A file
// there that the program may not both read and write is not replaced.
SaveResult replaceKeptFile(const std::string& path, std::string_view bytes);

// What stands at path (Regular, Missing or NotRegular); a link counts as itself.
FileState stateAt(const std::string& path);

// Removes the regular files that interrupted saves of the file at path left
// beside it: its temporary files (the file's name, a dot and six letters or
// digits) and its lock files (".lock", with any ".rmlock" after it).
void removeLeftovers(const std::string& path);

}  // namespace morvello::files
