// What this suite guards: the contact sheet draws and saves as a PNG, at twice the
// size on a sharp screen. It lands in the build folder (contact-sheet.png) for review.
#include "contact_sheet.h"

#include <gtest/gtest.h>

#include <QImage>

#include "table/card_art.h"

namespace morvello {
namespace {

TEST(ContactSheet, DrawsAndSavesThePng) {
    CardArt art;
    const QImage sheet = renderContactSheet(art);
    ASSERT_FALSE(sheet.isNull());
    const QString path = QStringLiteral(MORVELLO_CONTACT_SHEET_PNG);
    ASSERT_TRUE(sheet.save(path, "PNG")) << qPrintable(path);
    EXPECT_EQ(QImage(path).size(), sheet.size());

    const QImage sharp = renderContactSheet(art, 2.0);
    EXPECT_EQ(sharp.size(), sheet.size() * 2);
}

}  // namespace
}  // namespace morvello
