// What this suite guards: the Sounds and Music menus of the game window, with the
// real sound board on SDL's dummy audio driver or without its module: check marks,
// what is saved, and what a stored choice shows at the next start.
#include <gtest/gtest.h>

#include <QAction>

#include "window_fixture.h"

namespace morvello {
namespace {

class WindowSounds : public ::testing::Test {
  protected:
    WindowSounds() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    // A window on the folder's config.qvr, once its Music menu is built.
    std::unique_ptr<GameWindow> openWindow(const QString& soundModule = {}) {
        WindowOptions options;
        options.delayScale = 0;
        options.store.emplace(dir_.path(), dir_.filePath("user"));
        options.soundModule = soundModule;
        auto window = std::make_unique<GameWindow>(std::move(options));
        window->setUp();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->menus().songs.empty(); }));
        return window;
    }

    SoundChoices stored() {
        SoundChoices reread;
        storedIn(dir_, &reread);
        return reread;
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
};

// Each choice moves its check mark and is saved at once; the next start, here
// without the audio module (silent), shows the stored choices and its menus still
// work and save.
TEST_F(WindowSounds, ChoicesMoveTheCheckMarksAreSavedAndShownAtTheNextStart) {
    {
        auto window = openWindow();
        const GameMenus& m = window->menus();
        ASSERT_GE(m.songs.size(), 3u);  // the songs shipped beside the program
        EXPECT_TRUE(m.noMusic->isChecked() && m.rustle[1]->isChecked());
        m.rustle[0]->trigger();
        m.songs[1]->trigger();
        EXPECT_TRUE(m.songs[1]->isChecked());
        m.allSongs->trigger();  // the sequential mode leaves the song
        EXPECT_FALSE(m.rustle[1]->isChecked() || m.songs[1]->isChecked() || m.noMusic->isChecked());
        EXPECT_EQ(stored().rustleChoice, 0);
        EXPECT_EQ(stored().musicChoice, 101);  // the file records the sequential mode
        EXPECT_EQ(window->soundChoices().musicChoice, 0);
    }
    auto window = openWindow(dir_.filePath("missing-module.so"));
    const GameMenus& m = window->menus();
    EXPECT_TRUE(m.allSongs->isChecked() && m.rustle[0]->isChecked());
    EXPECT_EQ(window->soundChoices().musicChoice, 0);  // nothing plays until a song is chosen
    m.rustle[1]->trigger();
    m.songs[0]->trigger();
    m.noMusic->trigger();
    EXPECT_FALSE(m.rustle[0]->isChecked() || m.allSongs->isChecked() || m.songs[0]->isChecked());
    EXPECT_EQ(stored().rustleChoice, 1);
    EXPECT_EQ(stored().musicChoice, 0);
}

}  // namespace
}  // namespace morvello
