// What a host chooses for a table: the match's options and who plays each seat.
#pragma once

#include <QJsonObject>
#include <optional>

#include "match/seat_player.h"

namespace morvello::server {

// The host sits at this seat; the other seats are open to a person or played
// by a computer.
inline constexpr Byte kHostSeat = 1;

struct TableSettings {
    Byte scoreOption = 0;  // 0: a match to 21 points, 1: to 31
    Byte allowAllDeclare = kAllDeclare;
    Byte playRate = 2;  // 1 Low, 2 Middle, 3 High
    // [seat] 1..4: Person for a seat open to a person (the host's own among them).
    SeatKinds seats{PlayerKind::Classic, PlayerKind::Person, PlayerKind::Classic,
                    PlayerKind::Classic, PlayerKind::Classic};
};

// The settings as a `host` message and the journal hold them, and back;
// nothing when a field is out of its range.
QJsonObject settingsJson(const TableSettings& settings);
std::optional<TableSettings> settingsFromJson(const QJsonObject& json);

}  // namespace morvello::server
