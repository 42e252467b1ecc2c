// What this suite guards: the Players menu kept in players.ini (never config.qvr).
// Deals with Expert seats thinking off the window's thread: the whole match's test.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

#include "app/game_window.h"
#include "qt_app.h"
#include "window_fixture.h"

namespace morvello {
namespace {

constexpr SeatKinds kExpertOpponents{PlayerKind::Classic, PlayerKind::Person, PlayerKind::Expert,
                                     PlayerKind::Classic, PlayerKind::Expert};

class WindowPlayers : public ::testing::Test {
  protected:
    std::unique_ptr<GameWindow> openWindow() {
        WindowOptions o = testOptions(dir_);
        o.playerSettings = settingsFile();
        auto window = std::make_unique<GameWindow>(std::move(o));
        setUpOnOrderedDeck(*window);  // the human deals
        return window;
    }
    QString settingsFile() const { return dir_.filePath("players.ini"); }
    QByteArray configBytes() const {
        QFile file(dir_.filePath("config.qvr"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The item of the Players menu's submenu with that caption.
    static QAction* level(GameWindow& window, const QString& couple, const QString& caption) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->text() != "&Players") continue;
            for (QAction* sub : top->menu()->actions()) {
                if (sub->text() != couple) continue;
                for (QAction* item : sub->menu()->actions())
                    if (item->text() == caption) return item;
            }
        }
        return nullptr;
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
};

TEST_F(WindowPlayers, TheChoiceIsKeptOutsideTheConfiguration) {
    auto window = openWindow();
    // Classic by default: every computer seat plays the game's own strategy.
    ASSERT_NE(level(*window, "&Partner", "&Classic"), nullptr);
    EXPECT_TRUE(level(*window, "&Partner", "&Classic")->isChecked());
    EXPECT_TRUE(level(*window, "&Opponents", "&Classic")->isChecked());
    EXPECT_EQ(window->match().players(), kOnePersonAtSeatOne);

    const QByteArray config = configBytes();
    level(*window, "&Opponents", "&Expert")->trigger();
    EXPECT_EQ(window->match().players(), kExpertOpponents);
    EXPECT_FALSE(level(*window, "&Opponents", "&Classic")->isChecked());
    EXPECT_EQ(configBytes(), config);
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("players/opponents"), "expert");

    window.reset();
    auto again = openWindow();
    EXPECT_TRUE(level(*again, "&Opponents", "&Expert")->isChecked());
    EXPECT_TRUE(level(*again, "&Partner", "&Classic")->isChecked());
    EXPECT_EQ(again->match().players(), kExpertOpponents);
}

}  // namespace
}  // namespace morvello
