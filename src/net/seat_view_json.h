// A seat's view on the wire: what the server hands each seat after every
// change, and what a network seat reasons on (its hint, the Expert).
#pragma once

#include <QJsonObject>
#include <optional>

#include "rules/seat_view.h"

namespace morvello::net {

QJsonObject seatViewJson(const SeatView& view);

// The view read back; nothing when a field is missing or out of its range.
std::optional<SeatView> seatViewFromJson(const QJsonObject& json);

}  // namespace morvello::net
