// What this suite guards: the language the game speaks. Under an Italian locale
// (this program sets LANG=it_IT.UTF-8 before Qt starts) a whole match shows no English text
// of the catalogue in any menu, status sentence, message, panel, dialog, score
// sheet or accessible name; an English or unknown language loads no catalogue;
// --language is read from the command line.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <set>

#include "app/language.h"
#include "app/review_dialog.h"
#include "app/statistics_dialog.h"
#include "help/help_texts.h"
#include "table/status_line.h"
#include "window_fixture.h"

namespace morvello {
namespace {

// The locale of a desktop set to Italian, as Qt reads it when it starts.
const bool kItalianDesktop = [] {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) setenv(name, "it_IT.UTF-8", 1);
    setenv("LANGUAGE", "it", 1);
    return true;
}();

// The fixed pieces (between the %1 and %n places) of every English source text
// whose Italian translation differs: the game's own terms, which Italian keeps,
// are allowed. Pieces shorter than a word or two say nothing and are left out.
std::set<QString> englishPieces() {
    QFile file(QStringLiteral(MORVELLO_ITALIAN_CATALOGUE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::set<QString> pieces;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString italian = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (italian == source) continue;
            static const QRegularExpression place(QStringLiteral("%(\\d+|n)|\\n"));
            for (const QString& piece : source.split(place)) {
                const QString trimmed = piece.trimmed();
                if (trimmed.size() >= 8) pieces.insert(trimmed);
            }
        }
    }
    return pieces;
}

// Whether the text holds the piece as whole words ("&Classico" does not hold "&Classic").
bool showsWords(const QString& text, const QString& piece) {
    for (qsizetype at = text.indexOf(piece); at >= 0; at = text.indexOf(piece, at + 1)) {
        const qsizetype end = at + piece.size();
        const bool wordBefore = at > 0 && text[at - 1].isLetter() && piece[0].isLetter();
        const bool wordAfter = end < text.size() && text[end].isLetter() && piece.back().isLetter();
        if (!wordBefore && !wordAfter) return true;
    }
    return false;
}

void collectMenu(const QMenu& menu, QStringList& into) {
    into << menu.title();
    for (const QAction* item : menu.actions()) {
        if (item->menu())
            collectMenu(*item->menu(), into);
        else if (!item->isSeparator())
            into << item->text();
    }
}

void collectAccessible(QAccessibleInterface* item, QStringList& into) {
    if (!item) return;
    into << item->text(QAccessible::Name) << item->text(QAccessible::Description);
    for (int i = 0; i < item->childCount(); ++i) collectAccessible(item->child(i), into);
}

class ItalianWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::qtApp();
        if (!std::setlocale(LC_ALL, "")) GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
        language_ = std::make_unique<GameLanguage>(QLocale::system(), MORVELLO_TRANSLATIONS_FOLDER);
        ASSERT_EQ(language_->language(), "it");
        window_ = std::make_unique<GameWindow>(testOptions(dir_));
        setUpOnOrderedDeck(*window_);
        window_->match().addObserver(status_);
        status_.onChange = [this](const std::string& text) {
            shown_ << QString::fromStdString(text);
        };
        showAt(*window_, {800, 600});
        ASSERT_TRUE(QTest::qWaitFor([&] { return window_->matchRunning(); }));
    }
    void TearDown() override {
        window_.reset();
        language_.reset();
    }

    GameWindow& w() { return *window_; }
    QtTable& table() { return w().table(); }
    const GameState& g() { return w().match().state(); }
    // What the window shows now: the status line, the drawing on the table (names,
    // score sheet, names panel), the declaration labels, the accessible names.
    void collectTable() {
        shown_ << w().statusLabel().text();
        for (const DrawOp& op : w().scene().surface().ops())
            shown_ << QString::fromStdString(op.text);
        for (int seat = 1; seat <= 4; ++seat)
            if (w().scene().declaration(seat).isVisible())
                shown_ << w().scene().declaration(seat).text();
        collectAccessible(QAccessible::queryAccessibleInterface(&w().view()), shown_);
    }
    // Opens what the action opens, collects its texts and closes it.
    template <class Dialog>
    Dialog* opened(QAction* action) {
        action->trigger();
        Dialog* dialog = shownChild<Dialog>(w());
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            shown_ << dialog->windowTitle();
            for (const QAbstractButton* button : dialog->template findChildren<QAbstractButton*>())
                shown_ << button->text();
        }
        return dialog;
    }
    void collectMessage(QAction* action) {
        if (auto* box = opened<QMessageBox>(action)) {
            shown_ << box->text();
            box->accept();
        }
    }

    // Plays the human's cards until the score sheet: one card refused when one
    // is, the list of signals opened once.
    void playDeal() {
        for (int guard = 0; guard < 100 && !table().waitingForCommand(); ++guard) {
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return table().waitingForHumanCard() || table().waitingForSignal() ||
                       table().waitingForCommand();
            }));
            collectTable();
            if (table().waitingForSignal()) {
                clickCard(w(), g().cardToPlay);
                continue;
            }
            if (!table().waitingForHumanCard()) continue;
            if (!refused_ && firstHeld(w(), false) != 0) {
                refused_ = true;
                clickCard(w(), firstHeld(w(), false));
                QMessageBox* box = table().openMessage();
                ASSERT_NE(box, nullptr);
                shown_ << box->text();
                box->accept();
                ASSERT_TRUE(QTest::qWaitFor([&] { return table().waitingForHumanCard(); }));
            }
            clickCard(w(), firstHeld(w()));
        }
        collectTable();
    }

    QTemporaryDir dir_;
    std::unique_ptr<GameLanguage> language_;
    std::unique_ptr<GameWindow> window_;
    StatusLine status_{kOwnSeat};
    QStringList shown_;
    bool refused_ = false;
};

// The names panel, a whole match to GAME OVER with a replay, and every menu,
// panel and dialog on the way: no text shown is one of the English catalogue's.
TEST_F(ItalianWindow, AWholeMatchShowsNoEnglishText) {
    for (const QAction* item : w().menuBar()->actions())
        if (item->menu())
            collectMenu(*item->menu(), shown_);
        else
            shown_ << item->text();
    shown_ << w().windowTitle() << w().statusLabel().accessibleDescription();
    shown_ << withLineBreaks(rulesText()) << withLineBreaks(aboutText());
    collectMessage(w().menus().help);
    collectMessage(w().viewItems().actions().keys);

    w().menus().personalize->trigger();
    collectTable();
    QLineEdit& box = w().scene().nameBox(2);
    box.setFocus();
    QTest::keyClicks(&box, ",");
    shown_ << w().namesPanel().hint().text();
    w().scene().namesOk().click();

    for (int draw = 1; draw <= 4; ++draw) {
        ASSERT_TRUE(table().waitingForDeck());
        collectTable();
        const Point deck = deckPosition(table().geometry());
        clickTable(w(), QPointF(deck.x + 10, deck.y + 10));
    }
    playDeal();
    EXPECT_TRUE(w().grab().save(MORVELLO_TEST_ARTEFACTS "/italian_score_sheet.png"));  // to look at
    w().menus().continueItem->trigger();
    playDeal();
    collectMessage(w().menus().replay);  // its OK plays the deal again
    playDeal();
    if (auto* review = opened<ReviewDialog>(w().menus().review)) {
        for (int step = 0; step <= review->lastStep(); ++step) {
            review->stepTo(step);
            shown_ << review->stepText();
        }
        review->reject();
    }
    const std::string gameOver =
        QCoreApplication::translate("ScoreSheet", "GAME OVER").toStdString();
    const auto over = [&] { return drawn(w(), gameOver); };
    for (int deals = 0; deals < 12 && !over(); ++deals) {
        ASSERT_TRUE(w().menus().continueItem->isEnabled());
        w().menus().continueItem->trigger();
        playDeal();
    }
    ASSERT_TRUE(over());
    EXPECT_TRUE(w().grab().save(MORVELLO_TEST_ARTEFACTS "/italian_game_over.png"));
    if (auto* stats = opened<StatisticsDialog>(w().menus().statistics)) {
        for (int i = 0; i < stats->table().rowCount(); ++i)
            shown_ << stats->table().verticalHeaderItem(i)->text();
        shown_ << stats->table().horizontalHeaderItem(0)->text();
        stats->reject();
    }

    EXPECT_TRUE(refused_);
    EXPECT_GT(shown_.size(), 100);
    const std::set<QString> english = englishPieces();
    ASSERT_GT(english.size(), 150u);
    for (const QString& text : shown_) {
        for (const QString& piece : english)
            EXPECT_FALSE(showsWords(text, piece))
                << text.toStdString() << " shows \"" << piece.toStdString() << "\"";
    }
    // The default names are shown in Italian and kept in English.
    EXPECT_EQ(g().playerNames,
              (std::array<std::string, 4>{"Tu", "Destra", "Compagno", "Sinistra"}));
    EXPECT_EQ(storedIn(dir_).playerNames, GameOptions().playerNames);
    // The sentences of a match, in Italian: the game's terms stay as they are.
    const QString all = shown_.join('\n');
    for (const char* italian :
         {"Apri tu", "Dai tu le carte", "Rispondi a ", " prende: ", "Mano 1: ", "FINE PARTITA",
          "PUNTEGGI", "Totale = ", "Hai carte di ", "Gioco ▸ Continua"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(italian))) << italian;
}

// English, or a language with no catalogue, loads nothing: the source texts
// show as they are. --language takes a code, or fails without one.
TEST(GameLanguageChoice, EnglishOrAnUnknownLanguageLoadsNoCatalogue) {
    testing::qtApp();
    for (const char* code : {"en", "en_GB", "C", "xx", "de_DE"}) {
        const GameLanguage language(QLocale(QString::fromLatin1(code)),
                                    MORVELLO_TRANSLATIONS_FOLDER);
        EXPECT_EQ(language.language(), "") << code;
        EXPECT_EQ(QCoreApplication::translate("GameWindow", "New Game"), "New Game") << code;
    }
    const GameLanguage italian(QLocale(QStringLiteral("it_CH")), MORVELLO_TRANSLATIONS_FOLDER);
    EXPECT_EQ(italian.language(), "it");
    EXPECT_EQ(QCoreApplication::translate("GameWindow", "New Game"), "Nuova partita");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");  // Qt's own

    const auto asked = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("morvello"));
        return languageArgument(arguments);
    };
    EXPECT_FALSE(asked({}).code.has_value());
    EXPECT_EQ(asked({"--language", "it"}).code, "it");
    EXPECT_EQ(asked({"--language=en"}).code, "en");
    EXPECT_FALSE(asked({"--language"}).error.isEmpty());
    EXPECT_FALSE(asked({"--language="}).error.isEmpty());
}

}  // namespace
}  // namespace morvello
