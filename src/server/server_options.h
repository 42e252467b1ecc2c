// The command line of morvello-server.
#pragma once

#include <QStringList>

#include "server/game_server.h"

namespace morvello::server {

// The port a server listens on unless told otherwise.
inline constexpr quint16 kDefaultPort = 47021;

struct ParsedServerOptions {
    ServerOptions options;
    QString error;  // empty when the command line is good
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name.
ParsedServerOptions parseServerOptions(const QStringList& arguments);

// What --help prints.
QString serverUsage();

}  // namespace morvello::server
