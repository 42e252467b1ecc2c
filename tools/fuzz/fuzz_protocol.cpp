// Feeds arbitrary bytes to the reader of the wire's messages, then to the
// readers of what a message carries (a seat's view, a table's settings): none
// may fail, and a view or settings read back must write the same again.
#include <QJsonDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/protocol.h"
#include "net/seat_view_json.h"
#include "server/table_settings.h"

using namespace morvello;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray frame(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const net::ReadMessage read = net::readMessage(frame);
    if (!read.message) return 0;
    const QJsonObject& body = read.message->body;
    if (const auto view = net::seatViewFromJson(body.value(QLatin1String("view")).toObject())) {
        const QJsonObject written = net::seatViewJson(*view);
        if (net::seatViewJson(*net::seatViewFromJson(written)) != written) std::abort();
    }
    if (const auto settings = server::settingsFromJson(body)) {
        const QJsonObject written = server::settingsJson(*settings);
        if (server::settingsJson(*server::settingsFromJson(written)) != written) std::abort();
    }
    net::intField(body, "card", 1, 40);
    return 0;
}
