#include "midi_file.h"

#include <algorithm>
#include <string>

namespace morvello::songgen {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Event {
    int tick;
    int order;  // at the same tick: notes end (0) before notes start (1)
    Bytes bytes;
};

void putBig(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putVarLength(Bytes& out, std::uint32_t value) {
    Bytes groups{static_cast<std::uint8_t>(value & 0x7f)};
    while ((value >>= 7) != 0) groups.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7f)));
    out.insert(out.end(), groups.rbegin(), groups.rend());
}

Bytes meta(int type, const Bytes& data) {
    Bytes out{0xff, static_cast<std::uint8_t>(type)};
    putVarLength(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

std::uint8_t byte(int v) {
    return static_cast<std::uint8_t>(v);
}

Bytes trackChunk(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    events.push_back({endTick, 2, meta(0x2f, {})});
    Bytes body;
    int now = 0;
    for (const Event& e : events) {
        putVarLength(body, static_cast<std::uint32_t>(e.tick - now));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    Bytes chunk = text("MTrk");
    putBig(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes conductorTrack(const Song& song) {
    Bytes tempo;
    putBig(tempo, static_cast<std::uint32_t>(60'000'000 / song.tempo), 3);
    return trackChunk({{0, 0, meta(0x03, text(song.title))}, {0, 0, meta(0x51, tempo)}},
                      song.lengthTicks());
}

Bytes partTrack(const Part& p, int endTick) {
    const std::uint8_t ch = byte(p.channel);
    std::vector<Event> events{{0, 0, meta(0x03, text(p.name))},
                              {0, 0, {byte(0xc0 | ch), byte(p.program)}},
                              {0, 0, {byte(0xb0 | ch), 7, byte(p.volume)}}};
    for (const Note& n : p.notes) {
        events.push_back({n.start, 1, {byte(0x90 | ch), byte(n.pitch), byte(p.velocity)}});
        events.push_back({n.start + n.length, 0, {byte(0x80 | ch), byte(n.pitch), 0}});
    }
    return trackChunk(std::move(events), endTick);
}

}  // namespace

std::vector<std::uint8_t> encodeMidi(const Song& song) {
    Bytes out = text("MThd");
    putBig(out, 6, 4);
    putBig(out, 1, 2);  // format 1: tracks play together
    putBig(out, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
    putBig(out, kTicksPerQuarter, 2);
    const Bytes conductor = conductorTrack(song);
    out.insert(out.end(), conductor.begin(), conductor.end());
    for (const Part& p : song.parts) {
        const Bytes track = partTrack(p, song.lengthTicks());
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

}  // namespace morvello::songgen
