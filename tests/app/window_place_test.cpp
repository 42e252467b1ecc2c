// What this suite guards: the window comes back as the player left it (its size,
// its position, whether it was maximized) from a file of its own, and a missing or
// damaged file or an unwritable folder changes nothing.
#include "app/window_place.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSettings>
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

// Nothing saved, a damaged file or a folder that cannot be written: the window
// stays as it is, and the failed save is reported, not fatal.
TEST_F(WindowPlaceTest, NothingSavedADamagedFileOrNoFolderLeavesTheWindowAsItIs) {
    QMainWindow window;
    window.resize(333, 222);
    EXPECT_FALSE(place.restore(window));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Morvello")));
    QFile file(dir.filePath("Morvello/window.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("[window]\ngeometry=@ByteArray(not a geometry)\n") > 0);
    file.close();
    EXPECT_FALSE(place.restore(window));
    EXPECT_EQ(window.size(), QSize(333, 222));
    EXPECT_FALSE(WindowPlace(dir.filePath("Morvello/window.ini/window.ini")).save(window));
}

// A place kept by an earlier version, in the toolkit's own settings format,
// comes back too.
TEST_F(WindowPlaceTest, APlaceKeptByAnEarlierVersionComesBack) {
    QMainWindow before;
    before.setGeometry(kPlace);
    before.show();
    QSettings(dir.filePath("Morvello/window.ini"), QSettings::IniFormat)
        .setValue("window/geometry", before.saveGeometry());
    QMainWindow next;
    next.resize(300, 200);
    ASSERT_TRUE(place.restore(next));
    next.show();
    EXPECT_EQ(next.geometry(), kPlace);
}

}  // namespace
}  // namespace morvello
