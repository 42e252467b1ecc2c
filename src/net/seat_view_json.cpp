#include "net/seat_view_json.h"

#include <QJsonArray>
#include <limits>
#include <type_traits>

namespace morvello::net {
namespace {

// Writes each field of a view into a JSON object.
class Writer {
  public:
    QJsonObject json;

    template <class T>
    void operator()(const char* name, const T& value) {
        json.insert(QLatin1String(name), toJson(value));
    }

  private:
    template <class T>
    static QJsonValue toJson(const T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            return value;
        } else if constexpr (std::is_enum_v<T>) {
            return static_cast<int>(value);
        } else if constexpr (std::is_integral_v<T>) {
            return static_cast<qint64>(value);
        } else if constexpr (std::is_same_v<T, std::string>) {
            return QString::fromStdString(value);
        } else {  // an array or a vector
            QJsonArray out;
            for (const auto& item : value) out.append(toJson(item));
            return out;
        }
    }
};

// Reads each field back, checking its kind, its length and its range.
class Reader {
  public:
    explicit Reader(const QJsonObject& json) : json_(json) {}
    bool ok = true;

    template <class T>
    void operator()(const char* name, T& value) {
        if (ok) ok = fromJson(json_.value(QLatin1String(name)), value);
    }

  private:
    // The longest list a view holds (the settled deals of a long match).
    static constexpr qsizetype kLongestList = 1000;

    template <class T>
    static bool fromJson(const QJsonValue& in, T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            if (!in.isBool()) return false;
            value = in.toBool();
            return true;
        } else if constexpr (std::is_enum_v<T>) {
            int raw = 0;
            if (!fromJson(in, raw)) return false;
            value = static_cast<T>(raw);
            return true;
        } else if constexpr (std::is_integral_v<T>) {
            if (!in.isDouble()) return false;
            const double number = in.toDouble();
            if (number < static_cast<double>(std::numeric_limits<T>::min()) ||
                number > static_cast<double>(std::numeric_limits<T>::max()))
                return false;
            value = static_cast<T>(number);
            return static_cast<double>(value) == number;
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (!in.isString()) return false;
            value = in.toString().toStdString();
            return true;
        } else {
            return listFromJson(in, value);
        }
    }

    template <class T, std::size_t N>
    static bool listFromJson(const QJsonValue& in, std::array<T, N>& value) {
        const QJsonArray list = in.toArray();
        if (!in.isArray() || list.size() != static_cast<qsizetype>(N)) return false;
        for (std::size_t i = 0; i < N; ++i)
            if (!fromJson(list[static_cast<qsizetype>(i)], value[i])) return false;
        return true;
    }

    template <class T>
    static bool listFromJson(const QJsonValue& in, std::vector<T>& value) {
        const QJsonArray list = in.toArray();
        if (!in.isArray() || list.isEmpty() || list.size() > kLongestList) return false;
        value.resize(static_cast<std::size_t>(list.size()));
        for (qsizetype i = 0; i < list.size(); ++i)
            if (!fromJson(list[i], value[static_cast<std::size_t>(i)])) return false;
        return true;
    }

    const QJsonObject& json_;
};

template <class Io, class Menus>
void menuFields(Io& io, Menus& m) {
    io("continue", m.continueEnabled);
    io("newGame", m.newGameEnabled);
    io("replay", m.replayEnabled);
    io("replayChecked", m.replayChecked);
    io("personalize", m.personalizeEnabled);
    io("declare", m.allowDeclareEnabled);
    io("score", m.scoreEnabled);
    io("rate", m.playRateEnabled);
}

// Every field of a view, in one list for both directions.
template <class Io, class View>
void viewFields(Io& io, View& v) {
    io("playRate", v.playRate);
    io("names", v.playerNames);
    io("allowAllDeclare", v.allowAllDeclare);
    io("scoreOption", v.scoreOption);
    io("seat", v.seat);
    io("hand", v.hand);
    io("held", v.held);
    io("topDealt", v.topDealt);
    io("declSlots", v.declSlots);
    io("declPoints", v.declPoints);
    io("returnSuit", v.returnSuit);
    io("playedFromSlots", v.playedFromSlots);
    io("playedCards", v.playedCards);
    io("tableCards", v.tableCards);
    io("trickBySeat", v.trickBySeat);
    io("seatOrder", v.seatOrder);
    io("trickSignals", v.trickSignals);
    io("lackedSuits", v.lackedSuits);
    io("voloSuits", v.voloSuits);
    io("striscioSuits", v.striscioSuits);
    io("announced", v.announced);
    io("shownSlots", v.shownSlots);
    io("partnerOf", v.partnerOf);
    io("turnSeat", v.turnSeat);
    io("leaderSeat", v.leaderSeat);
    io("dealerSeat", v.dealerSeat);
    io("cardToPlay", v.cardToPlay);
    io("cardsPlayed", v.cardsPlayed);
    io("trickNumber", v.trickNumber);
    io("dealNumber", v.dealNumber);
    io("leadSuit", v.leadSuit);
    io("drawValues", v.drawValues);
    io("drawCount", v.drawCount);
    io("phase", v.phase);
    io("refusedPlay", v.refusedPlay);
    io("cardPoints", v.cardPoints);
    io("settledA", v.settledScoreA);
    io("settledB", v.settledScoreB);
    io("matchTotal", v.matchTotal);
    io("targetPoints", v.targetPoints);
}

// The values the rules index by: seats 1..4, cards 0..40 (a hand's played
// entries + 100), a score target of 0 or 1.
bool inRange(const SeatView& v) {
    auto seat = [](Byte s) { return s <= 4; };
    auto card = [](Byte c) { return c <= kCardCount || (c > 100 && c <= 100 + kCardCount); };
    bool ok = v.seat >= 1 && seat(v.seat) && seat(v.turnSeat) && seat(v.leaderSeat) &&
              seat(v.dealerSeat) && v.scoreOption <= 1 && v.playRate >= 1 && v.playRate <= 3;
    for (const Byte c : v.hand) ok = ok && card(c);
    for (const Hand& h : v.playedFromSlots)
        for (const Byte c : h) ok = ok && card(c);
    for (const Byte c : v.tableCards) ok = ok && c <= kCardCount;
    for (const Byte c : v.trickBySeat) ok = ok && c <= kCardCount;
    for (const Byte s : v.seatOrder) ok = ok && seat(s);
    for (const Byte s : v.partnerOf) ok = ok && seat(s);
    return ok && v.cardToPlay <= kCardCount;
}

}  // namespace

QJsonObject seatViewJson(const SeatView& view) {
    Writer writer;
    viewFields(writer, view);
    Writer menuWriter;
    menuFields(menuWriter, view.menus);
    writer.json.insert(QStringLiteral("menus"), menuWriter.json);
    return writer.json;
}

std::optional<SeatView> seatViewFromJson(const QJsonObject& json) {
    SeatView view;
    Reader reader(json);
    viewFields(reader, view);
    const QJsonObject menus = json.value(QStringLiteral("menus")).toObject();
    Reader menuReader(menus);
    menuFields(menuReader, view.menus);
    if (!reader.ok || !menuReader.ok || !inRange(view)) return std::nullopt;
    return view;
}

}  // namespace morvello::net
