#include "sound/midi_length.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace morvello {
namespace {

constexpr std::uint32_t kDefaultTempo = 500'000;  // microseconds a quarter note

// Reads the bytes of one chunk in order; every read past the end fails.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    bool failed() const { return failed_; }
    std::uint32_t byte() {
        if (atEnd()) {
            failed_ = true;
            return 0;
        }
        return static_cast<unsigned char>(bytes_[pos_++]);
    }
    std::uint32_t big(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | byte();
        return value;
    }
    std::uint32_t variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t b = byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) break;
        }
        return value;
    }
    void skip(std::uint32_t count) {
        if (bytes_.size() - pos_ < count) failed_ = true;
        pos_ = std::min<std::size_t>(bytes_.size(), pos_ + count);
    }
    std::string_view take(std::uint32_t count) {
        const std::size_t start = pos_;
        skip(count);
        return bytes_.substr(start, pos_ - start);
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// The track's last tick; its tempo changes go into tempos (tick -> microseconds).
std::uint64_t scanTrack(std::string_view track, std::map<std::uint64_t, std::uint32_t>& tempos,
                        bool& failed) {
    Reader in(track);
    std::uint64_t tick = 0;
    std::uint32_t status = 0;
    while (!in.atEnd() && !in.failed()) {
        tick += in.variable();
        const std::uint32_t first = in.byte();
        if (first == 0xFF) {
            const std::uint32_t type = in.byte();
            const std::string_view data = in.take(in.variable());
            if (type == 0x51 && data.size() == 3) tempos[tick] = Reader(data).big(3);
            if (type == 0x2F) break;
        } else if (first == 0xF0 || first == 0xF7) {
            in.skip(in.variable());
        } else {
            if (first & 0x80) status = first;
            if (status == 0) break;
            const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            in.skip(static_cast<std::uint32_t>((first & 0x80) ? dataBytes : dataBytes - 1));
        }
    }
    failed = failed || in.failed();
    return tick;
}

std::chrono::microseconds timeOf(std::uint64_t tick, std::uint32_t division,
                                 const std::map<std::uint64_t, std::uint32_t>& tempos) {
    double micros = 0;
    std::uint64_t at = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& [changeTick, changeTempo] : tempos) {
        if (changeTick >= tick) break;
        micros += double(changeTick - at) * tempo / division;
        at = changeTick;
        tempo = changeTempo;
    }
    micros += double(tick - at) * tempo / division;
    return std::chrono::microseconds(static_cast<std::int64_t>(micros));
}

}  // namespace

std::optional<std::chrono::microseconds> midiLength(std::string_view bytes) {
    Reader file(bytes);
    if (file.take(4) != "MThd") return std::nullopt;
    const std::uint32_t headerLength = file.big(4);
    if (headerLength < 6) return std::nullopt;
    file.big(2);  // format
    const std::uint32_t tracks = file.big(2);
    const std::uint32_t division = file.big(2);
    file.skip(headerLength - 6);
    if (file.failed() || division == 0 || (division & 0x8000)) return std::nullopt;
    std::map<std::uint64_t, std::uint32_t> tempos;
    std::uint64_t last = 0;
    bool failed = false;
    for (std::uint32_t found = 0; found < tracks && !file.atEnd();) {
        const std::string_view tag = file.take(4);
        const std::string_view chunk = file.take(file.big(4));
        if (file.failed()) return std::nullopt;
        if (tag != "MTrk") continue;
        last = std::max(last, scanTrack(chunk, tempos, failed));
        ++found;
    }
    if (failed) return std::nullopt;
    return timeOf(last, division, tempos);
}

std::optional<std::chrono::microseconds> midiFileLength(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return midiLength(bytes);
}

}  // namespace morvello
