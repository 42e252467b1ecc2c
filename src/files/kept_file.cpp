#include "files/kept_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvello::files {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr std::string_view kTemporarySuffix = ".XXXXXX";
constexpr std::size_t kTemporaryLetters = 6;
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kStaleLockSuffix = ".rmlock";

// Closes the descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now; false when the close reports an error (a write that failed late).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

FileState stateOf(const struct stat& info) {
    return S_ISREG(info.st_mode) ? FileState::Regular : FileState::NotRegular;
}

bool isMissingError(int error) {
    return error == ENOENT || error == ENOTDIR;
}

// Where the first line of text ends (at its CR or LF), or its size.
std::size_t lineEnd(std::string_view text) {
    const void* lf = std::memchr(text.data(), '\n', text.size());
    const std::size_t end =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
    const void* cr = std::memchr(text.data(), '\r', end);
    return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text.data()) : end;
}

// Keeps the bytes of one chunk, cutting lines at the line bound; false once the
// file's bound is reached.
class BoundedText {
  public:
    explicit BoundedText(const ReadBound& bound) : bound_(bound) {}

    bool take(std::string_view chunk, std::string& text) {
        while (!chunk.empty()) {
            const std::size_t end = lineEnd(chunk);
            const std::size_t keep = std::min(end, bound_.lineBytes - lineBytes_);
            if (!keepBytes(chunk.substr(0, keep), text)) return false;
            lineBytes_ += keep;
            if (end > keep) {
                whole_ = false;
                passedOver_ += end - keep;
                if (passedOver_ > kMostBytesPassedOver) return false;
            }
            if (end == chunk.size()) break;
            if (!keepBytes(chunk.substr(end, 1), text)) return false;
            lineBytes_ = 0;
            chunk.remove_prefix(end + 1);
        }
        return true;
    }
    bool whole() const { return whole_; }

  private:
    bool keepBytes(std::string_view bytes, std::string& text) {
        const std::size_t room = bound_.bytes - text.size();
        text.append(bytes.substr(0, room));
        if (bytes.size() <= room) return true;
        whole_ = false;
        return false;
    }

    ReadBound bound_;
    std::size_t lineBytes_ = 0;
    std::size_t passedOver_ = 0;
    bool whole_ = true;
};

ReadResult unreadable(int error) {
    ReadResult result;
    result.state = FileState::Unreadable;
    result.error = error;
    return result;
}

ReadResult notRegular() {
    ReadResult result;
    result.state = FileState::NotRegular;
    return result;
}

SaveResult failed(int error) {
    return {SaveState::Failed, error};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions a new file gets: those of the file it replaces, or what the
// process's umask leaves of rw for everyone.
mode_t modeFor(const struct stat* old) {
    if (old) return old->st_mode & 07777;
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return 0666 & ~mask;
}

// A rename is on disk once the folder holding it is; a file system that cannot
// flush a folder is taken at its word.
void syncFolder(const std::string& folder) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

std::filesystem::path folderOf(const std::string& path) {
    const std::filesystem::path file(path);
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Writes bytes to a new temporary file named from the template and flushes it to
// disk. Returns 0, or the errno that stopped it (the temporary file then removed).
int writeTemporary(std::string& temporary, std::string_view bytes, mode_t mode) {
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) return errno;
    // Permissions are kept where the file system keeps them (not on a FAT stick).
    ::fchmod(fd.get(), mode);
    int error = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 ? 0 : errno;
    if (!fd.close() && error == 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

bool isTemporaryName(std::string_view name, std::string_view file) {
    if (name.size() != file.size() + 1 + kTemporaryLetters || !name.starts_with(file) ||
        name[file.size()] != '.')
        return false;
    for (const char c : name.substr(file.size() + 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

bool isLockName(std::string_view name, std::string_view file) {
    if (!name.starts_with(file)) return false;
    name.remove_prefix(file.size());
    if (!name.starts_with(kLockSuffix)) return false;
    name.remove_prefix(kLockSuffix.size());
    while (name.starts_with(kStaleLockSuffix)) name.remove_prefix(kStaleLockSuffix.size());
    return name.empty();
}

}  // namespace

FileState stateAt(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return isMissingError(errno) ? FileState::Missing : FileState::Unreadable;
    return stateOf(info);
}

ReadResult readKeptFile(const std::string& path, const ReadBound& bound) {
    ReadResult result;
    // Looked at first, so that a device is not even opened; checked again on the
    // descriptor, for whatever took the file's place in between.
    result.state = stateAt(path);
    if (result.state != FileState::Regular) return result;
    const Descriptor fd(
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (isMissingError(errno)) return ReadResult{};
        if (errno == ELOOP || errno == ENXIO) return notRegular();
        return unreadable(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return unreadable(errno);
    if (stateOf(info) != FileState::Regular) return notRegular();
    BoundedText kept(bound);
    std::array<char, kChunkBytes> chunk{};
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return unreadable(errno);
        if (got == 0) break;
        if (!kept.take(std::string_view(chunk.data(), static_cast<std::size_t>(got)), result.text))
            break;
    }
    result.whole = kept.whole();
    return result;
}

SaveResult replaceKeptFile(const std::string& path, std::string_view bytes) {
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return {SaveState::NotRegular, 0};
    if (!exists && !isMissingError(errno)) return failed(errno);
    // A file the program may not read or write is not its to replace.
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0)
        return failed(errno);
    const std::filesystem::path folder = folderOf(path);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return failed(ec.value());

    std::string temporary = path + std::string(kTemporarySuffix);
    if (const int error = writeTemporary(temporary, bytes, modeFor(exists ? &old : nullptr)))
        return failed(error);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(error);
    }
    syncFolder(folder.string());
    return {SaveState::Saved, 0};
}

void removeLeftovers(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folderOf(path), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (!isTemporaryName(entry, name) && !isLockName(entry, name)) continue;
        if (stateAt(it->path().string()) == FileState::Regular) ::unlink(it->path().c_str());
    }
}

}  // namespace morvello::files
