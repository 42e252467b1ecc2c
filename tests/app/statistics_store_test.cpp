// What this suite guards: the statistics file in a temporary data folder: the round
// trip, a damaged file set aside with one line on standard error, an older version
// read. (Full disks, links, FIFOs, the damaged bytes kept and newer versions:
// kept_files_test.cpp.)
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "app/statistics_store.h"

namespace morvello {
namespace {

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

TEST_F(StatisticsFile, SavedStatisticsAreReadBackWhole) {
    EXPECT_EQ(store_.load(), Statistics{});  // no file yet
    Statistics stats;
    TargetRecord& t = stats.byTarget[1];
    t = {7, 4, 3, 2, 1, 3, 40, {210, 190}, {{{1, 2, 3}, {4, 5, 6}}}, {22, 18}};
    stats.byTarget[0].abandoned = 9;
    ASSERT_TRUE(store_.save(stats));
    EXPECT_EQ(store_.load(), stats);
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

TEST_F(StatisticsFile, AnOlderVersionIsReadTheFiguresItLacksStartingAtZero) {
    writeFile(R"({"version": 1, "target21": {"matches": 3, "won": 2, "lost": 1,
                 "longestStreak": 2, "deals": 12, "dealPoints": [80, 60]}})");
    const Statistics stats = store_.load();
    const TargetRecord& t = stats.byTarget[0];
    EXPECT_EQ(t.matches, 3);
    EXPECT_EQ(t.won, 2);
    EXPECT_EQ(t.longestStreak, 2);
    EXPECT_EQ(t.dealPoints, (std::array<int, 2>{80, 60}));
    EXPECT_EQ(t.abandoned, 0);
    EXPECT_EQ(t.lastTricks, (std::array<int, 2>{}));
    EXPECT_EQ(stats.byTarget[1], TargetRecord{});
    EXPECT_TRUE(setAside().isEmpty());
}

}  // namespace
}  // namespace morvello
