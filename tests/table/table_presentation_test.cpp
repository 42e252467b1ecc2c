// What this suite guards: what the window's table draws (names, painted backs,
// declaration labels), the names panel's boxes and the view that keeps the
// table's proportions.
#include <gtest/gtest.h>

#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "match/controller.h"
#include "settings/player_name.h"
#include "table/names_panel.h"
#include "table/table_geometry.h"
#include "table_fixture.h"

namespace morvello {
namespace {

using testing::TableFixture;
using Kind = DrawOp::Kind;

std::vector<DrawOp> textsIn(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
        if (op.kind == Kind::Text) out.push_back(op);
    return out;
}

TEST(TableNames, PlayerToMoveIsWhiteAndSideNamesRunDownTheEdge) {
    TableFixture f;
    const std::array<std::string, 4> names{"Me", "Bo", "Pa", "Lu"};
    f.table.drawNames(names, 3);
    const auto texts = textsIn(f.scene.surface().ops());
    ASSERT_EQ(texts.size(), 2u + 2u + 2u);  // a side name is written a character a line
    EXPECT_EQ(texts[0].text, "Me");
    EXPECT_EQ(texts[0].colour, colours::nameGreen);
    EXPECT_EQ(texts[1].text, "Pa");
    EXPECT_EQ(texts[1].colour, colours::white);
    EXPECT_EQ(texts[2].text, "B");
    EXPECT_EQ(texts[3].text, "o");
    EXPECT_DOUBLE_EQ(texts[2].x1, texts[3].x1);
    EXPECT_GT(texts[3].y1, texts[2].y1);

    // A name however long is written in as many operations as the boxes allow
    // characters, and no more of it.
    f.table.drawNames({std::string(900'000, 'a'), std::string(900'000, 'b'), "Pa", "Lu"}, 0);
    const auto longNames = textsIn(f.scene.surface().ops());
    EXPECT_EQ(longNames.size(), 2u + 16u + 2u);
    EXPECT_EQ(longNames[0].text, std::string(16, 'a'));

    // Every turn writes the names again in place: the drawing does not grow.
    f.table.drawNames(names, 0);
    const auto again = textsIn(f.scene.surface().ops());
    ASSERT_EQ(again.size(), texts.size());
    for (const DrawOp& op : again) EXPECT_EQ(op.colour, colours::nameGreen);
}

TEST(TableBacks, APlayedCardLeavesAGapInItsSeatsBand) {
    TableFixture f;
    Hand hand{};
    for (int slot = 1; slot <= 10; ++slot) hand[slot] = static_cast<Byte>(slot);
    auto deal = [&]() -> Task<> { co_await f.table.dealPacket(3, hand); };
    Task<> dealt = deal();
    dealt.start();
    ASSERT_TRUE(dealt.done());
    EXPECT_EQ(f.host.sounds.size(), 10u);  // a card sound for each card dealt
    hand[5] += kPlayedMark;
    f.scene.surface().clear();
    f.table.cardToStart(3, 5, hand);
    const auto& ops = f.scene.surface().ops();
    ASSERT_EQ(ops.size(), 1u + 9u);  // the band erased, then nine backs
    EXPECT_EQ(ops[0].colour, colours::table);
    EXPECT_EQ(ops[5].picture, BackPicture::Vertical);
    f.table.cardToStart(2, 3, Hand{0, 1, 2});
    EXPECT_EQ(f.scene.surface().ops().back().picture, BackPicture::Horizontal);
}

TEST(TableLabels, DeclarationsStandOneToALineBesideTheirSeat) {
    TableFixture f;
    ShownDeclarations shown;
    shown.items = {Declaration{Declaration::Kind::Napoletana, 0, 2},
                   Declaration{Declaration::Kind::FourOfAKind, 2, 0}};
    shown.count = 2;
    f.table.showDeclaration(3, shown);
    TextPanel& label = f.scene.declaration(3);
    EXPECT_TRUE(label.isVisible());
    EXPECT_EQ(label.text(), "Napoletana with Coppe\nFour two");

    f.table.showDeclaration(2, shown);
    const TextPanel& right = f.scene.declaration(2);
    f.table.hideDeclarations();
    EXPECT_FALSE(label.isVisible());
    EXPECT_FALSE(right.isVisible());
}

TEST(ScaledView, TableKeepsItsProportionsCentredInAnyWindow) {
    TableFixture f;
    struct Case {
        QSize size;
        double scale;
        QPoint origin;
    };
    for (const Case& c : {Case{{1600, 600}, 1.0, {400, 0}}, Case{{400, 900}, 0.5, {0, 300}}}) {
        f.view.resize(c.size);
        EXPECT_DOUBLE_EQ(f.view.tableScale(), c.scale) << c.size.width();
        EXPECT_EQ(f.view.mapFromScene(QPointF(0, 0)), c.origin) << c.size.width();
        const QPoint far = f.view.mapFromScene(QPointF(800, 600));
        EXPECT_EQ(far, c.origin + QPoint(int(800 * c.scale), int(600 * c.scale)));
    }
    // Cards parked beyond the table never show in the margins.
    f.view.resize(2400, 300);
    f.table.parkCard(9, Parking::AfterTrick);
    const QPoint parked = f.view.mapFromScene(QPointF(1530, 1540));
    EXPECT_EQ(f.view.itemAt(parked), nullptr);
}

struct NamesFixture : TableFixture {
    NamesFixture() : match(table, table), panel(match, scene, table) {
        table.watch([this](Byte seat) { return match.view(seat); });
        panel.openNamesPanel({"Me", "Bo", "Pa", "Lu"});
    }
    const GameState& state() const { return match.state(); }
    Match match;
    NamesPanel panel;
};

// Stored names the boxes would not take are fitted when the panel opens, and the
// name kept is the one shown; a refused keystroke says why under the panel, the
// next accepted one clears it, and each accepted one is taken at once.
TEST(NamesPanelTest, StoredNamesAreFittedAndARefusedKeystrokeSaysWhy) {
    NamesFixture f;
    f.panel.openNamesPanel(
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", std::string(40, 'W'), " \"Pa\", x", "Lu\u0141"});
    const std::vector<std::string> fitted{"ABCDEFGHIJKLMNOP", "", "Pa x", "Lu"};
    for (int i = 1; i <= 4; ++i) {
        const QString shown = f.scene.nameBox(i).text();
        EXPECT_TRUE(isAcceptableName(shown)) << i;
        EXPECT_EQ(shown.toStdString(), f.state().playerNames[i - 1]);
        if (i != 2) {
            EXPECT_EQ(shown.toStdString(), fitted[i - 1]);
        }
    }
    EXPECT_FALSE(f.scene.nameBox(2).text().isEmpty());

    QLineEdit& full = f.scene.nameBox(1);
    full.setFocus();
    full.end(false);
    EXPECT_FALSE(f.panel.hint().isVisible());
    QTest::keyClicks(&full, "\"Z");
    EXPECT_EQ(full.text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(f.panel.hint().text(), "A name can have at most 16 characters.");
    QLineEdit& box = f.scene.nameBox(3);
    box.setFocus();
    box.end(false);
    QTest::keyClicks(&box, ",");
    EXPECT_EQ(f.panel.hint().text(), "A name cannot contain a comma.");
    QTest::keyClicks(&box, "y");
    EXPECT_FALSE(f.panel.hint().isVisible());
    EXPECT_EQ(f.state().playerNames[2], "Pa xy");
}

TEST(NamesPanelTest, OpensWithTheNamesAndOkSavesHidesItAndRestartsTheChoice) {
    NamesFixture f;
    EXPECT_EQ(f.state().phase, Phase::PersonalizePlayers);
    const auto& ops = f.scene.surface().ops();
    ASSERT_GE(ops.size(), 7u);
    EXPECT_EQ(ops[1].text, "  Names of the Players");
    EXPECT_EQ(ops[3].text, "Player1 (you)");
    EXPECT_EQ(ops[6].text, "Player4");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(f.scene.nameBox(i).text().toStdString(), f.state().playerNames[i - 1]);
    bool restarted = false;
    auto wait = [&]() -> Task<> {
        restarted = co_await f.table.deckInput() == DeckInput::LookAgain;
    };
    Task<> task = wait();
    task.start();
    f.scene.nameBox(3).setText("Zed");
    QTest::mouseClick(&f.scene.namesOk(), Qt::LeftButton);
    EXPECT_EQ(f.host.saves, 1);
    EXPECT_EQ(f.state().playerNames[2], "Zed");
    EXPECT_EQ(f.state().phase, Phase::DealerChoiceAgain);
    EXPECT_TRUE(restarted);
    EXPECT_TRUE(f.scene.surface().ops().empty());
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.scene.nameBoxItem(i).isVisible());
    EXPECT_FALSE(f.scene.namesOkItem().isVisible());
}

}  // namespace
}  // namespace morvello
