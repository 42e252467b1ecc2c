#include "table/game_words.h"

#include <QCoreApplication>

#include "cards/play_signal.h"

namespace morvello {
namespace {

constexpr int kThirdsPerPoint = 3;

QString word(const char* source) {
    return QCoreApplication::translate("Words", source);
}

// Each seat's default name, as GameOptions holds it.
const char* const kDefaultNames[4] = {
    QT_TRANSLATE_NOOP("Names", "You"), QT_TRANSLATE_NOOP("Names", "Right"),
    QT_TRANSLATE_NOOP("Names", "Partner"), QT_TRANSLATE_NOOP("Names", "Left")};

std::array<std::string, 4> namesSwapped(const std::array<std::string, 4>& names, bool toShown) {
    std::array<std::string, 4> out = names;
    for (std::size_t seat = 0; seat < out.size(); ++seat) {
        const std::string english = kDefaultNames[seat];
        const std::string shown =
            QCoreApplication::translate("Names", kDefaultNames[seat]).toStdString();
        if (names[seat] == (toShown ? english : shown)) out[seat] = toShown ? shown : english;
    }
    return out;
}

}  // namespace

std::array<std::string, 4> shownNames(const std::array<std::string, 4>& stored) {
    return namesSwapped(stored, true);
}

std::array<std::string, 4> storedNames(const std::array<std::string, 4>& shown) {
    return namesSwapped(shown, false);
}

QString suitName(int suit) {
    switch (suit) {
        case 1:
            return QCoreApplication::translate("Words", "Denari");
        case 2:
            return QCoreApplication::translate("Words", "Coppe");
        case 3:
            return QCoreApplication::translate("Words", "Bastoni");
        case 4:
            return QCoreApplication::translate("Words", "Spade");
    }
    return {};
}

QString cardName(int card) {
    if (card < 1 || card > kCardCount) return {};
    static const char* const kValues[11] = {"",
                                            QT_TRANSLATE_NOOP("Words", "Ace"),
                                            QT_TRANSLATE_NOOP("Words", "Two"),
                                            QT_TRANSLATE_NOOP("Words", "Three"),
                                            QT_TRANSLATE_NOOP("Words", "Four"),
                                            QT_TRANSLATE_NOOP("Words", "Five"),
                                            QT_TRANSLATE_NOOP("Words", "Six"),
                                            QT_TRANSLATE_NOOP("Words", "Seven"),
                                            QT_TRANSLATE_NOOP("Words", "Knave"),
                                            QT_TRANSLATE_NOOP("Words", "Horse"),
                                            QT_TRANSLATE_NOOP("Words", "King")};
    //: A card's name: its value, then its suit ("Ace of Coppe").
    return QCoreApplication::translate("Words", "%1 of %2")
        .arg(word(kValues[valueOf(card)]), suitName(suitOf(card)));
}

QString signalName(Byte signal) {
    switch (signal) {
        case kVolo:
            return QCoreApplication::translate("Words", "Volo");
        case kBusso:
            return QCoreApplication::translate("Words", "Busso");
        case kStriscio:
            return QCoreApplication::translate("Words", "Striscio");
    }
    return {};
}

QString declarationText(const Declaration& d) {
    const QString suit = suitName(d.suit);
    switch (d.kind) {
        case Declaration::Kind::FourOfAKind:
            if (d.value == 1) return QCoreApplication::translate("Words", "Four aces");
            if (d.value == 2) return QCoreApplication::translate("Words", "Four two");
            return QCoreApplication::translate("Words", "Four three");
        case Declaration::Kind::Buongioco:
            //: %1 is the lacking suit.
            if (d.value == 1)
                return QCoreApplication::translate("Words", "Buongioco of aces (-%1)").arg(suit);
            if (d.value == 2)
                return QCoreApplication::translate("Words", "Buongioco of two (-%1)").arg(suit);
            return QCoreApplication::translate("Words", "Buongioco of three (-%1)").arg(suit);
        case Declaration::Kind::Napoletana:
            return QCoreApplication::translate("Words", "Napoletana with %1").arg(suit);
    }
    return {};
}

QString declarationLines(const ShownDeclarations& shown) {
    QStringList lines;
    for (const Declaration& d : shown) lines << declarationText(d);
    return lines.join(QLatin1Char('\n'));
}

QString countText(const QString& translated, const char* source, int n, const char* one,
                  const char* other) {
    QString untranslated = QString::fromUtf8(source);
    untranslated.replace(QStringLiteral("%n"), QString::number(n));
    if (translated != untranslated) return translated;
    return QString::fromUtf8(n == 1 ? one : other)
        .replace(QStringLiteral("%n"), QString::number(n));
}

QString pointsText(int thirds) {
    const int whole = thirds / kThirdsPerPoint, rest = thirds % kThirdsPerPoint;
    if (rest == 0) {
        return countText(QCoreApplication::translate("Words", "%n point(s)", nullptr, whole),
                         "%n point(s)", whole, "%n point", "%n points");
    }
    if (whole == 0) return QCoreApplication::translate("Words", "%1/3 point").arg(rest);
    //: A whole number of points (%n) and thirds (%1): "1 1/3 points".
    return countText(QCoreApplication::translate("Words", "%n %1/3 point(s)", nullptr, whole),
                     "%n %1/3 point(s)", whole, "%n %1/3 points", "%n %1/3 points")
        .arg(rest);
}

QString messageText(const TableMessage& message) {
    switch (message.kind) {
        case TableMessage::Kind::RepeatDraw:
            return QCoreApplication::translate("Words", "Repeat, please");
        case TableMessage::Kind::MustFollowSuit:
            //: A card refused: the player holds a card of the suit led (%1).
            return QCoreApplication::translate("Words", "You have %1").arg(suitName(message.suit));
    }
    return {};
}

ScoreSheetWords scoreSheetWords() {
    const auto text = [](const char* source) {
        return QCoreApplication::translate("ScoreSheet", source).toStdString();
    };
    ScoreSheetWords w;
    w.title = text(QT_TRANSLATE_NOOP("ScoreSheet", "SCORES"));
    w.deal = text(QT_TRANSLATE_NOOP("ScoreSheet", "^ Game"));
    w.points = text(QT_TRANSLATE_NOOP("ScoreSheet", "Points = "));
    w.lastTrickA = text(QT_TRANSLATE_NOOP("ScoreSheet", "+1 last hand"));
    w.lastTrickB = text(QT_TRANSLATE_NOOP("ScoreSheet", "+1 ult.mano"));
    w.declarationPoints = text(QT_TRANSLATE_NOOP("ScoreSheet", " decl.points"));
    w.total = text(QT_TRANSLATE_NOOP("ScoreSheet", "Total   = "));
    w.gameOver = text(QT_TRANSLATE_NOOP("ScoreSheet", "GAME OVER"));
    return w;
}

}  // namespace morvello
