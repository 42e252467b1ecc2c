// The window comes back as the player left it: its size, its position and
// whether it was maximized, from a file of its own.
#include "app/window_place.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include "qt_app.h"

namespace morvello {
namespace {

class WindowPlaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        morvello::testing::qtApp();
        ASSERT_TRUE(dir.isValid());
    }
    // A run that ends with its window at kPlace, maximized or not.
    void endRun(bool maximized) const {
        QMainWindow window;
        window.setGeometry(kPlace);
        maximized ? window.showMaximized() : window.show();
        EXPECT_TRUE(place.save(window));
    }

    static constexpr QRect kPlace{60, 40, 520, 410};
    QTemporaryDir dir;
    WindowPlace place{dir.filePath("Morvello/window.ini")};
};

// A maximized window comes back maximized, its normal size kept for un-maximizing.
TEST_F(WindowPlaceTest, SizePositionAndMaximizedStateComeBackInTheNextRun) {
    for (const bool maximized : {false, true}) {
        endRun(maximized);
        QMainWindow next;
        next.resize(300, 200);
        ASSERT_TRUE(place.restore(next));
        next.show();
        EXPECT_EQ(next.isMaximized(), maximized);
        if (!maximized) {
            EXPECT_EQ(next.geometry(), kPlace);
        }
        next.showNormal();
        EXPECT_EQ(next.size(), kPlace.size());
    }
}

TEST_F(WindowPlaceTest, NothingSavedOrADamagedFileLeavesTheWindowAsItIs) {
    QMainWindow window;
    window.resize(333, 222);
    EXPECT_FALSE(place.restore(window));

    QFile file(dir.filePath("Morvello/window.ini"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Morvello")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[window]\ngeometry=@ByteArray(not a geometry)\n");
    file.close();
    EXPECT_FALSE(place.restore(window));
    EXPECT_EQ(window.size(), QSize(333, 222));
}

TEST_F(WindowPlaceTest, AFolderThatCannotBeWrittenIsReportedNotFatal) {
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const WindowPlace nowhere(dir.filePath("blocker/window.ini"));
    QMainWindow window;
    EXPECT_FALSE(nowhere.save(window));
}

}  // namespace
}  // namespace morvello
