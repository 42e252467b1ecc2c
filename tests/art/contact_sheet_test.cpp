// Draws the contact sheet into the build folder (contact-sheet.png) for review,
// and checks every picture landed in its place.
#include "contact_sheet.h"

#include <gtest/gtest.h>

#include <QImage>

#include "table/card_art.h"

namespace morvello {
namespace {

const QRgb kTableGreen = qRgb(0, 112, 0);

TEST(ContactSheet, PlacesEveryPictureAndSavesThePng) {
    CardArt art;
    const QImage sheet = renderContactSheet(art);
    ASSERT_EQ(sheet.size(), QSize(12 + 10 * 108, 12 + 5 * 165));
    for (int code = 1; code <= 40; ++code) {
        const int x = 12 + ((code - 1) % 10) * 108 + 48, y = 12 + ((code - 1) / 10) * 165 + 76;
        EXPECT_NE(sheet.pixel(x, y), kTableGreen) << "card " << code;
    }
    const int lastRow = 12 + 4 * 165;
    EXPECT_NE(sheet.pixel(12 + 48, lastRow + 76), kTableGreen);         // upright back
    EXPECT_NE(sheet.pixel(12 + 108 + 76, lastRow + 48), kTableGreen);   // side back
    EXPECT_EQ(sheet.pixel(12 + 108 + 76, lastRow + 120), kTableGreen);  // ... lying down

    const QString path = QStringLiteral(MORVELLO_CONTACT_SHEET_PNG);
    ASSERT_TRUE(sheet.save(path, "PNG")) << qPrintable(path);
    EXPECT_EQ(QImage(path).size(), sheet.size());

    const QImage sharp = renderContactSheet(art, 2.0);
    EXPECT_EQ(sharp.size(), sheet.size() * 2);
}

}  // namespace
}  // namespace morvello
