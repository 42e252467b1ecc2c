// What this suite guards: the review of the last deal while the game waits, the
// statistics shown, reset, kept on disk and counting a quit match as abandoned, and
// the statistics file's round trip, damaged file set aside and older version read.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "app/review_dialog.h"
#include "app/statistics_dialog.h"
#include "app/statistics_store.h"
#include "window_fixture.h"

namespace morvello {
namespace {

WindowOptions selfPlayingOptions(const QTemporaryDir& dir) {
    WindowOptions options = testOptions(dir);
    options.statisticsFolder = dir.filePath("data");
    options.match.players = kFourComputers;
    options.match.firstDealer = Byte{2};
    return options;
}

class ViewMenu : public ::testing::Test {
  protected:
    ViewMenu() : window_((testing::qtApp(), selfPlayingOptions(dir_))) {
        window_.setUp();
        showAt(window_, {1024, 800});
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_.menus().review->isEnabled(); }, 20000));
    }

    QTemporaryDir dir_;
    GameWindow window_;
};

TEST_F(ViewMenu, TheReviewStepsThroughTheTricksWhileTheGameWaits) {
    const GameState before = window_.match().state();
    ASSERT_TRUE(before.menus.continueEnabled);  // the score sheet of deal 1, waiting
    window_.menus().review->trigger();
    ReviewDialog* review = shownChild<ReviewDialog>(window_);
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->step(), 0);
    EXPECT_EQ(review->lastStep(), 10);
    // The arrows step wherever the focus is, a button's included.
    QWidget* focused = review->focusWidget() ? review->focusWidget() : review;
    for (int i = 1; i <= 11; ++i) QTest::keyClick(focused, Qt::Key_Right);
    EXPECT_EQ(review->step(), 10);  // stops at the last trick
    // The last step ends with both couples' results, worded as the score sheet.
    EXPECT_TRUE(review->stepText().contains("\nPoints = " + review->resultLine(0).mid(9)));
    EXPECT_TRUE(review->stepText().endsWith("     " + review->resultLine(1)));
    EXPECT_TRUE(review->resultLine(0).contains(" decl.points"));
    QTest::keyClick(focused, Qt::Key_Left);
    EXPECT_EQ(review->step(), 9);
    EXPECT_TRUE(review->stepText().startsWith("Trick 9 of 10"));
    for (QPushButton* b : review->findChildren<QPushButton*>())
        if (b->text() == "< &Back") QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(review->step(), 8);
    QTest::qWait(0);
    EXPECT_EQ(window_.match().state().dealNumber, before.dealNumber);
    EXPECT_EQ(window_.match().state().hands, before.hands);
    EXPECT_EQ(window_.match().state().matchTotal, before.matchTotal);

    const QString deckPath = dir_.filePath("deck.txt");
    ASSERT_TRUE(review->saveDeck(deckPath));
    QFile deck(deckPath);
    ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
    EXPECT_EQ(deck.readAll().toStdString(), deckFileText(before.deck, before.dealerSeat));
    review->close();
}

// Then quitting mid-match counts it abandoned.
TEST_F(ViewMenu, TheStatisticsAreSavedShownAndResetAfterConfirmation) {
    EXPECT_EQ(window_.statistics().byTarget[0].deals, 1);
    EXPECT_EQ(StatisticsStore(dir_.filePath("data")).load(), window_.statistics());
    window_.menus().statistics->trigger();
    StatisticsDialog* dialog = shownChild<StatisticsDialog>(window_);
    ASSERT_NE(dialog, nullptr);
    QTableWidget& table = dialog->table();
    const auto rowOf = [&](const QString& caption) {
        for (int r = 0; r < table.rowCount(); ++r)
            if (table.verticalHeaderItem(r)->text() == caption) return r;
        return -1;
    };
    const int dealsRow = rowOf("Deals played");
    const int winRow = rowOf("Win rate");
    const int averageRow = rowOf("Average deal score, us");
    ASSERT_GE(std::min({dealsRow, winRow, averageRow}), 0);
    EXPECT_EQ(table.item(dealsRow, 0)->text(), "1");
    EXPECT_EQ(table.item(dealsRow, 1)->text(), "0");
    // A figure of nothing played yet is a dash, never a row left empty.
    const QString dash = QStringLiteral("\u2013");
    EXPECT_EQ(table.item(winRow, 0)->text(), dash);  // no match finished
    EXPECT_NE(table.item(averageRow, 0)->text(), dash);
    EXPECT_EQ(table.item(averageRow, 1)->text(), dash);
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            EXPECT_FALSE(table.item(r, c)->text().isEmpty()) << r << "," << c;
    // No blank below the last row.
    const int last = table.rowCount() - 1;
    EXPECT_GE(table.rowViewportPosition(last) + table.rowHeight(last),
              table.viewport()->height() - 1);

    const auto pressReset = [&](QMessageBox::StandardButton answer) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == "Reset…") QTest::mouseClick(b, Qt::LeftButton);
        QMessageBox* box = shownChild<QMessageBox>(window_);
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    };
    pressReset(QMessageBox::No);
    EXPECT_EQ(window_.statistics().byTarget[0].deals, 1);
    pressReset(QMessageBox::Yes);
    EXPECT_EQ(window_.statistics(), Statistics{});
    EXPECT_EQ(table.item(dealsRow, 0)->text(), "0");
    EXPECT_EQ(table.item(averageRow, 0)->text(), dash);
    EXPECT_EQ(StatisticsStore(dir_.filePath("data")).load(), Statistics{});
    dialog->close();

    window_.menus().quit->trigger();  // the first deal is settled: the match is under way
    EXPECT_EQ(window_.statistics().byTarget[0].abandoned, 1);
    EXPECT_EQ(StatisticsStore(dir_.filePath("data")).load().byTarget[0].abandoned, 1);
}

class StatisticsFile : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    StatisticsStore store_{dir_.filePath("data")};

    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(dir_.filePath("data"));
        QFile file(store_.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList setAside() const {
        return QDir(dir_.filePath("data")).entryList({"statistics.json.damaged-*"}, QDir::Files);
    }
};

// Saved statistics are read back whole; an older version is read too, the figures
// it lacks starting at zero.
TEST_F(StatisticsFile, SavedStatisticsAndAnOlderVersionAreReadBack) {
    EXPECT_EQ(store_.load(), Statistics{});  // no file yet
    Statistics stats;
    stats.byTarget[1] = {7, 4, 3, 2, 5, 1, 3, 40, {210, 190}, {{{1, 2, 3}, {4, 5, 6}}}, {22, 18}};
    stats.byTarget[0].abandoned = 9;
    stats.byTarget[0].withPeople = 6;
    stats.byTarget[0].wonWithPeople = 4;
    ASSERT_TRUE(store_.save(stats));
    EXPECT_EQ(store_.load(), stats);

    writeFile(R"({"version": 1, "target21": {"matches": 3, "won": 2, "lost": 1,
                 "longestStreak": 2, "deals": 12, "dealPoints": [80, 60]}})");
    const Statistics older = store_.load();
    const TargetRecord& t = older.byTarget[0];
    EXPECT_EQ(t.matches, 3);
    EXPECT_EQ(t.won, 2);
    EXPECT_EQ(t.longestStreak, 2);
    EXPECT_EQ(t.dealPoints, (std::array<int, 2>{80, 60}));
    EXPECT_EQ(t.abandoned, 0);
    EXPECT_EQ(t.lastTricks, (std::array<int, 2>{}));
    EXPECT_EQ(older.byTarget[1], TargetRecord{});
    EXPECT_TRUE(setAside().isEmpty());
}

TEST_F(StatisticsFile, AnUnreadableFileIsSetAsideAndTheStatisticsStartAgain) {
    for (const QByteArray& bytes : {QByteArray("{\"version\": 2, \"target21\": [1,"),
                                    QByteArray("{\"version\": 0, \"target21\": {}}"),
                                    QByteArray("{\"version\": 2, \"target31\": 5}")}) {
        writeFile(bytes);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(store_.load(), Statistics{});
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("set aside"), std::string::npos) << err;
        EXPECT_FALSE(QFile::exists(store_.path()));
    }
    EXPECT_EQ(setAside().size(), 3);  // none overwritten; their bytes: kept_files_test.cpp
}

}  // namespace
}  // namespace morvello
