// What this suite guards: a match left unfinished is offered again at the next
// start and goes on exactly where it stood; a record that cannot be played on is
// set aside; a card taken back leaves the table exactly as before it, and the
// match played on is the match played without a stop.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "replayed_trace.h"
#include "window_fixture.h"

namespace morvello {
namespace {

// What the person sees of the table: where each card lies and which cards on
// the table cover which, what is drawn on the cloth, the labels, the status
// line, the menus.
struct TableShot {
    std::vector<std::tuple<double, double, bool>> cards;
    std::vector<int> stacking;  // the cards on the table, from the bottom up
    std::vector<DrawOp> cloth;
    std::vector<QString> labels;
    QString status;
    std::vector<bool> enabled;
    bool operator==(const TableShot&) const = default;
};

class GameUnderTest {
  public:
    explicit GameUnderTest(const QTemporaryDir& dir) : window_(options(dir)) {
        if (QFile::exists(unfinishedPath(dir)))
            window_.setUp();
        else
            setUpOnOrderedDeck(window_);
        showAt(window_, {1024, 800});
    }

    static QString unfinishedPath(const QTemporaryDir& dir) {
        return dir.filePath("data/unfinished-match.record");
    }

    GameWindow& window() { return window_; }
    QtTable& table() { return window_.table(); }
    SeatView view() { return window_.match().view(kOwnSeat); }
    QAction& takeBack() { return *window_.menus().takeBack; }

    void waitForTheTable() {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return table().waitingForDeck() || table().waitingForHumanCard() ||
                   table().waitingForSignal() || table().waitingForCommand();
        }));
    }
    // Plays the first playable card of the hand, and goes on with no signal
    // after a lead, until the person has played `cards` cards of the deal or
    // the deal is over; stops at the wait for the person's card.
    void playUntil(int cards) {
        for (int guard = 0; guard < 100; ++guard) {
            waitForTheTable();
            if (table().waitingForDeck()) {
                table().onDeckClick();
            } else if (table().waitingForSignal()) {
                table().onCardPress(trickOnTable(view())[kOwnSeat], Qt::LeftButton);
            } else if (table().waitingForCommand() || playedThisDeal() >= cards) {
                return;
            } else {
                table().onCardPress(firstHeld(window_), Qt::LeftButton);
            }
        }
        FAIL() << "the deal did not go on";
    }
    void playDeals(int deals) {
        for (int deal = 1; deal <= deals; ++deal) {
            playUntil(10);
            if (deal < deals) {
                ASSERT_TRUE(table().commandGiven(Command::Continue));
            }
        }
    }
    int playedThisDeal() {
        const SeatView v = view();
        const Hand& played = v.playedFromSlots[kOwnSeat];
        return static_cast<int>(
            std::count_if(played.begin() + 1, played.end(), [](Byte card) { return card != 0; }));
    }

    TableShot shot() {
        TableShot s;
        TableScene& scene = window_.scene();
        std::vector<std::pair<double, int>> onTable;
        for (int code = 1; code <= kCardCount; ++code) {
            const CardItem& card = scene.card(code);
            s.cards.emplace_back(card.pos().x(), card.pos().y(), card.isVisible());
            if (card.pos().x() < kParkedAfterTrick.x) onTable.emplace_back(card.zValue(), code);
        }
        std::sort(onTable.begin(), onTable.end());
        for (const auto& [z, code] : onTable) s.stacking.push_back(code);
        s.cloth = scene.surface().ops();
        for (int place = 1; place <= 4; ++place) {
            const TextPanel& label = scene.declaration(place);
            s.labels.push_back(label.isVisible() ? label.text() : QString());
        }
        s.status = window_.statusLabel().text();
        for (const QAction* item : {window_.menus().continueItem, window_.menus().newGame,
                                    window_.menus().replay, window_.menus().takeBack})
            s.enabled.push_back(item->isEnabled());
        return s;
    }

  private:
    static WindowOptions options(const QTemporaryDir& dir) {
        WindowOptions o = testOptions(dir);
        o.unfinishedMatchFolder = dir.filePath("data");
        o.statisticsFolder = dir.filePath("data");
        return o;
    }

    GameWindow window_;
};

QMessageBox* questionOf(GameWindow& window) {
    QMessageBox* box = nullptr;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return (box = shownChild<QMessageBox>(window)) != nullptr; }));
    return box;
}

class WindowResume : public ::testing::Test {
  protected:
    // The record of a game played in a folder of its own.
    template <class Play>
    static MatchRecord recordOf(Play play) {
        QTemporaryDir dir;
        GameUnderTest game(dir);
        play(game);
        return game.window().match().record();
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
};

// A card taken back, twice within the deal: the table as it stood before each;
// the same card played again, the deal goes on as if nothing was taken back.
TEST_F(WindowResume, ACardTakenBackLeavesTheTableAsBeforeIt) {
    const std::string withoutTakeBack =
        testing::replayed(recordOf([](GameUnderTest& game) { game.playDeals(1); }), -1);
    GameUnderTest game(dir_);
    game.playUntil(0);
    EXPECT_FALSE(game.takeBack().isEnabled());  // nothing played yet in the deal
    game.playUntil(2);
    const TableShot beforeSecond = game.shot();
    game.playUntil(3);
    const TableShot beforeThird = game.shot();
    const int third = firstHeld(game.window());
    game.table().onCardPress(third, Qt::LeftButton);
    ASSERT_TRUE(game.takeBack().isEnabled());
    game.takeBack().trigger();
    EXPECT_TRUE(game.table().waitingForHumanCard());
    EXPECT_EQ(game.table().marks().focus(), third);  // the keys on the card taken back
    EXPECT_TRUE(game.shot() == beforeThird);
    game.takeBack().trigger();
    EXPECT_TRUE(game.shot() == beforeSecond);
    game.playDeals(1);
    EXPECT_FALSE(game.takeBack().isEnabled());  // between deals
    EXPECT_EQ(testing::replayed(game.window().match().record(), -1), withoutTakeBack);
}

// Left in the second deal, offered with its score, played on from where it
// stood: the same table, and the same match as one played without a stop.
TEST_F(WindowResume, AMatchLeftGoesOnWhereItStood) {
    const std::string withoutStop =
        testing::replayed(recordOf([](GameUnderTest& game) { game.playDeals(2); }), -1);
    TableShot left;
    std::array<int, 2> totals{};
    {
        GameUnderTest game(dir_);
        game.playDeals(1);
        ASSERT_TRUE(game.table().commandGiven(Command::Continue));
        game.playUntil(3);
        left = game.shot();
        totals = game.window().match().state().matchTotal;
    }  // the window goes without closing: as killed
    GameUnderTest game(dir_);
    QMessageBox* question = questionOf(game.window());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text().toStdString(), "Go on with the match you left? You-Partner " +
                                                  std::to_string(totals[0]) + ", Right-Left " +
                                                  std::to_string(totals[1]));
    question->button(QMessageBox::Yes)->click();
    game.waitForTheTable();
    EXPECT_TRUE(game.shot() == left);
    game.playUntil(10);
    EXPECT_EQ(testing::replayed(game.window().match().record(), -1), withoutStop);
}

// No: the match counts as abandoned, its record is kept as the last match's,
// and the start goes on as always, to the dealer choice.
TEST_F(WindowResume, AMatchGivenUpIsAbandoned) {
    {
        GameUnderTest game(dir_);
        game.playUntil(2);
    }
    GameUnderTest game(dir_);
    QMessageBox* question = questionOf(game.window());
    ASSERT_NE(question, nullptr);
    question->button(QMessageBox::No)->click();
    game.waitForTheTable();
    EXPECT_TRUE(game.table().waitingForDeck());
    EXPECT_EQ(game.window().statistics().byTarget[0].abandoned, 1);
    EXPECT_FALSE(QFile::exists(GameUnderTest::unfinishedPath(dir_)));
    EXPECT_TRUE(QFile::exists(dir_.filePath("data/last-match.record")));
}

// Damaged, empty, cut short, newer, or not the run it claims: set aside, and the
// start goes on as always. With no record at all, no question either.
TEST_F(WindowResume, ARecordThatCannotBePlayedOnIsSetAside) {
    const std::string good = recordText(recordOf([](GameUnderTest& game) { game.playUntil(2); }));
    const std::vector<std::string> unusable{
        "",
        "morvello-record 1\nplayers person\n",
        good.substr(0, good.size() / 2),
        "morvello-record " + std::to_string(kRecordVersion + 1) + "\n" +
            good.substr(good.find('\n') + 1),
        good + "command quit\n",
    };
    for (const std::string& text : unusable) {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("data"));
        QFile file(GameUnderTest::unfinishedPath(dir));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        GameUnderTest game(dir);
        game.waitForTheTable();
        EXPECT_TRUE(game.table().waitingForDeck()) << text.substr(0, 40);
        EXPECT_EQ(shownChild<QMessageBox>(game.window()), nullptr);
        EXPECT_FALSE(QFile::exists(GameUnderTest::unfinishedPath(dir)));
        EXPECT_EQ(QDir(dir.filePath("data")).entryList({"*.damaged-*"}, QDir::Files).size(), 1);
    }
}

}  // namespace
}  // namespace morvello
