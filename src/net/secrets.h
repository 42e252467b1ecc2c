// The secrets of a table: the join code a host shares, and the seat token that
// brings a person back to their seat.
#pragma once

#include <QString>

namespace morvello::net {

// A join code: the server's name, when it has one, a dash, and ten letters or
// digits (50 random bits), easy to read out: no 0, 1, l or o.
QString newJoinCode(const QString& serverName);

// A seat token: 128 random bits, as 32 hexadecimal digits.
QString newSeatToken();

}  // namespace morvello::net
