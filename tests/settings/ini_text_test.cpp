// What this suite guards: the settings files' INI text read under its sections
// and written back with what this program does not know.
#include "settings/ini_text.h"

#include <gtest/gtest.h>

namespace morvello {
namespace {

// Keys are read under their sections, spaces and comments aside; a changed value
// is written in its place and keys this program does not know are kept.
TEST(IniText, ReadsSectionsAndWritesBackWhatItDoesNotKnow) {
    IniText ini(
        " top = 1 \r\n; a comment\n[view]\nshowPlayableCards=true\nnot a setting\n"
        "[future]\nkey = a=b\n");
    EXPECT_EQ(ini.value("top"), "1");
    EXPECT_EQ(ini.value("view/showPlayableCards"), "true");
    EXPECT_EQ(ini.value("future/key"), "a=b");
    EXPECT_EQ(ini.value("view/missing"), std::nullopt);
    ini.setValue("view/showPlayableCards", "false");
    ini.setValue("players/partner", "expert");
    EXPECT_EQ(ini.text(),
              "top=1\n\n[view]\nshowPlayableCards=false\n\n[future]\nkey=a=b\n\n"
              "[players]\npartner=expert\n");
    EXPECT_EQ(IniText(ini.text()).text(), ini.text());
}

}  // namespace
}  // namespace morvello
