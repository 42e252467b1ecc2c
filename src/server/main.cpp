// morvello-server: hosts tables of network play, with no window.
#include <QCoreApplication>
#include <cstdio>

#include "server/server_options.h"

using namespace morvello::server;

int main(int argc, char** argv) {
    // The GLib event loop keeps the sockets it watches in a list that every
    // change of a socket's notifier walks: with a thousand tables (four
    // thousand connections) the walks took 40% of the server's time, and
    // handshakes waited past their timeout. The plain poll loop keeps them in
    // a hash. The application picks its loop as it is made.
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvello-server"));
    const ParsedServerOptions parsed = parseServerOptions(app.arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "morvello-server: %s\n", parsed.error.toLocal8Bit().constData());
        return 2;
    }
    if (parsed.help) {
        std::fputs(serverUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parsed.version) {
        std::printf("morvello-server %s\n", MORVELLO_VERSION);
        return 0;
    }
    GameServer server(parsed.options);
    QString error;
    if (!server.start(error)) {
        std::fprintf(stderr, "morvello-server: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("morvello-server: listening on port %u, %zu tables brought back\n", server.port(),
                server.tableCount());
    std::fflush(stdout);
    return app.exec();
}
