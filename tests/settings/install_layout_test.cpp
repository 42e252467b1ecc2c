// What this suite guards: where a build folder, an unpacked folder or a program
// copied alone looks for its data, its module and config.qvr. (An install under a
// prefix: the installed game's test.)
#include "settings/install_layout.h"

#include <gtest/gtest.h>

#include "../common/temp_folder.h"
#include "settings/config_location.h"

namespace morvello {
namespace {

using morvello::testing::TempFolder;

void makeFiles(const TempFolder& folder, std::initializer_list<const char*> names) {
    for (const char* name : names) folder.write(name, "");
}

TEST(InstallLayout, OnlyABuildOrUnpackedFolderKeepsEverythingBesideTheProgram) {
    TempFolder build;
    const auto& p = build.path();
    makeFiles(build,
              {"src/app/morvello", "src/app/sounds/complessivo.wav",
               "src/app/morvello_sound_board.so", "unpacked/morvello", "unpacked/config.qvr"});

    for (const auto& folder : {p / "src/app", p / "unpacked"}) {
        SCOPED_TRACE(folder);
        EXPECT_FALSE(isInstalledProgram(folder));
        EXPECT_TRUE(keepsConfigBesideProgram(folder));
    }
    EXPECT_EQ(findProgramModule(p / "src/app", "morvello_sound_board.so"),
              p / "src/app/morvello_sound_board.so");
    EXPECT_EQ(findProgramModule(p / "unpacked", "morvello_sound_board.so"),
              p / "unpacked/morvello_sound_board.so")
        << "a missing module is named where a player looks";

    // A program copied alone into a bin folder still keeps no file there.
    TempFolder prefix;
    makeFiles(prefix, {"bin/morvello", "share/other-game/sounds/x.wav"});
    EXPECT_FALSE(isInstalledProgram(prefix.path() / "bin")) << "its data is not there";
    EXPECT_FALSE(keepsConfigBesideProgram(prefix.path() / "bin"));
    EXPECT_FALSE(keepsConfigBesideProgram(prefix.path() / "bin/"));
}

}  // namespace
}  // namespace morvello
