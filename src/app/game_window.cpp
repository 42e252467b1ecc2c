#include "app/game_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTime>
#include <cstdio>

#include "app/menu_accessible.h"
#include "app/network_menu.h"
#include "app/review_dialog.h"
#include "app/statistics_dialog.h"
#include "app/statistics_store.h"
#include "help/help_texts.h"
#include "match/commands.h"
#include "match/take_back.h"
#include "table/game_words.h"
#include "table/table_accessible.h"

namespace morvello {
namespace {

constexpr QSize kDesignTableArea(1024, 779);
constexpr QSize kSmallestWindow(829, 624);  // the smallest screen the game opens on
constexpr int kWindowChrome = 60;           // title bar, frame and menu bar, roughly

// The window's run is always recorded: a card is taken back by playing the
// run again to just before it.
MatchOptions recorded(MatchOptions options) {
    options.recorded = true;
    return options;
}

// "Go on with the match you left? You-Partner 14, Right-Left 9"
QString leftMatchQuestion(const GameState& g) {
    const auto name = [&g](int seat) {
        return QString::fromStdString(g.playerNames[static_cast<std::size_t>(seat - 1)]);
    };
    return QCoreApplication::translate("GameWindow",
                                       "Go on with the match you left? %1-%2 %3, %4-%5 %6")
        .arg(name(1), name(3))
        .arg(g.matchTotal[0])
        .arg(name(2), name(4))
        .arg(g.matchTotal[1]);
}

QAction* checkable(QMenu* menu, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

bool screenLargeEnough(QSize available) {
    return available.width() >= kSmallestWindow.width() &&
           available.height() >= kSmallestWindow.height();
}

QSize GameWindow::openingTableArea(QSize available) {
    const QSize room(available.width() - 16, available.height() - kWindowChrome);
    if (room.width() >= kDesignTableArea.width() && room.height() >= kDesignTableArea.height())
        return kDesignTableArea;
    const int width = std::min(room.width(), room.height() * 4 / 3) / 4 * 4;
    return QSize(width, width * 3 / 4);
}

GameWindow::GameWindow(WindowOptions options)
    : options_(std::move(options)),
      scene_(QSizeF(TableGeometry{}.cardWidth, TableGeometry{}.cardHeight)),
      view_(new ScaledView(&scene_, this)),
      table_(scene_, *this),
      match_(replaying_, replaying_, recorded(options_.match)),
      unfinished_(options_.unfinishedMatchFolder, match_),
      names_(match_, scene_, table_),
      keys_(table_, scene_) {
    table_.watch([this](Byte seat) { return match_.view(seat); });
    setWindowTitle(tr("Velquist - Morvello"));
    setCentralWidget(view_);
    table_.setDelayScale(options_.delayScale);
    table_.setAutoDraw(options_.autoDraw);
    if (options_.printHumanTurn) {
        table_.onHumanTurn = [] {
            std::printf("human turn\n");
            std::fflush(stdout);
        };
    }
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(&keys_);
    view_->installEventFilter(this);  // before the keys: how the player plays
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setFocus();
    match_.addObserver(statsKeeper_);
    match_.addObserver(recorder_);
    match_.addObserver(unfinished_);
    match_.onRecordChanged = [this] { unfinished_.recordChanged(); };
    replaying_.onReplaying = [this](bool replaying) { replayingChanged(replaying); };
    statsKeeper_.onChanged = [this] { saveStatistics(); };
    recorder_.onSettled = [this] { menus_.review->setEnabled(true); };
    buildMenus();
    speakMenuCaptionsTrimmed(*menuBar());
    buildStatusLine();
    viewItems_ =
        std::make_unique<ViewItems>(*this, *viewMenu(), table_, scene_, options_.viewSettings);
    match_.addObserver(status_);
    match_.addObserver(*viewItems_);
    table_.onWait = [this](Awaited what) { waitStarts(what); };
    keys_.takesKey = [this](int key) { return viewItems_->takesKey() || panelTakesKey(key); };
    buildViewItems();
    buildPlayersMenu();
    buildMoveMenu();
    buildNetworkMenu();
    makeTableAccessible(*view_, table_, scene_);
    keys_.onFocusMoved = [this](int card) { announceFocus(*view_, card); };
    viewItems_->onHint = [this](int card) { keys_.focusCard(card); };
    viewItems_->onLastTrickShown = [this](const std::array<Byte, 5>& bySeat, Byte winner) {
        status_.showingLastTrick(table_.view(), bySeat, winner);
    };
    keepKeysOnTheTable();
    QObject::connect(&clock_, &QTimer::timeout, this, [this] { tickClock(); });
}

GameWindow::~GameWindow() {
    disconnect(qApp, nullptr, this, nullptr);  // the focus moves while the widgets go
    root_.reset();
    clock_.stop();
}

// ---- start-up

void GameWindow::setUp() {
    table_.parkAllCards();
    if (options_.store) {
        StoredGame stored;
        options_.store->readConfig(stored, soundChoices_);
        stored.playerNames = shownNames(stored.playerNames);
        match_.restore(stored);
    }
    if (!options_.statisticsFolder.isEmpty()) {
        statisticsStore_.emplace(options_.statisticsFolder);
        stats_ = statisticsStore_->load();
    }
    updateMenus();
    tickClock();
    clock_.start(1000);
}

void GameWindow::onFirstShow() {
    if (options_.joinTable) {
        network_->joinTable(options_.joinTable->first, options_.joinTable->second);
        return;
    }
    if (options_.hostTable) {
        const QJsonArray open{QStringLiteral("person"), QStringLiteral("person"),
                              QStringLiteral("person")};
        network_->hostTable(*options_.hostTable, {{QStringLiteral("seats"), open}});
        return;
    }
    if (std::optional<LeftMatch> left = unfinished_.left()) {
        offerLeftMatch(std::move(*left));
        return;
    }
    startMatch();
}

void GameWindow::startMatch() {
    root_ = match_.playMatches();
    root_.setOnFinished([](void* window) { static_cast<GameWindow*>(window)->matchEnded(); }, this);
    root_.start();
}

// Yes: the match is played again to where it stopped. No: it is given up, and
// counted as abandoned.
void GameWindow::offerLeftMatch(LeftMatch left) {
    auto* box = new QMessageBox(QMessageBox::Question, "Morvello", leftMatchQuestion(left.standing),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (options_.printResume) {
        std::printf("offered %zu choices\n", left.record.choices.size());
        std::fflush(stdout);
    }
    auto kept = std::make_shared<LeftMatch>(std::move(left));
    connect(box, &QDialog::finished, this, [this, box, kept](int) {
        if (box->clickedButton() == box->button(QMessageBox::Yes)) {
            resuming_.emplace().start();
            playRecordAgain(std::move(kept->record));
            replayMs_ = resuming_->elapsed();
            return;
        }
        statsKeeper_.abandonLeftMatch(kept->standing.scoreOption);
        unfinished_.giveUp();
        startMatch();
    });
    box->open();
    if (options_.autoPlay)
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Yes)->click(); });
}

// The run played again from its start on the window's own table, laid out at
// once and silent, to the first wait its record does not answer.
void GameWindow::playRecordAgain(MatchRecord record) {
    root_.reset();
    table_.hideRules();
    table_.hideAbout();
    table_.dropStartedInput();
    match_.startOver(record);
    replaying_.replay(std::move(record), match_);
    startMatch();
}

// "resumed <ms> <ms>": the replay, and from "Yes" to the table painted.
void GameWindow::resumedShown() {
    if (!resuming_) return;
    if (options_.printResume) {
        std::printf("resumed %lld %lld\n", static_cast<long long>(replayMs_),
                    static_cast<long long>(resuming_->elapsed()));
        std::fflush(stdout);
    }
    resuming_.reset();
}

void GameWindow::replayingChanged(bool replaying) {
    table_.setDelayScale(replaying ? 0 : options_.delayScale);
    statsKeeper_.setReplaying(replaying);
    unfinished_.setPaused(replaying);
    if (!replaying) {
        updateMenus();
        refreshTakeBack();
    }
}

// playMatches runs for the life of the window: it ends only by a failure. The failure
// is looked at once the failing step has unwound.
void GameWindow::matchEnded() {
    QTimer::singleShot(0, this, [this] {
        try {
            root_.rethrowIfFailed();
        } catch (const std::exception& e) {
            showFailure(e.what());
        } catch (...) {
            showFailure(tr("an unknown error"));
        }
    });
}

// Nothing more is saved: config.qvr keeps what it held before the failure.
void GameWindow::showFailure(const QString& what) {
    std::fprintf(stderr, "morvello: the game stopped: %s\n", what.toLocal8Bit().constData());
    openMessage("Morvello",
                tr("The game stopped because of an error:\n%1\n\nIt will close now.").arg(what),
                [this] { endProgram(); });
}

void GameWindow::tickClock() {
    scene_.setClockText(QLocale::system().toString(QTime::currentTime(), "HH:mm:ss"));
}

// The table behind the rules or the about panel takes no key; Escape puts the
// panel away.
bool GameWindow::panelTakesKey(int key) {
    if (!table_.rulesShown() && !table_.aboutShown()) return false;
    if (key == Qt::Key_Escape) {
        table_.hideRules();
        table_.hideAbout();
    }
    return true;
}

// Once a menu is put away, by Escape or by one of its items (a dialog it opened
// closed since), the keys go to the table again, not to a menu bar that shows
// nothing chosen.
void GameWindow::keepKeysOnTheTable() {
    menuBar()->installEventFilter(this);
    for (QAction* top : menuBar()->actions()) {
        if (QMenu* menu = top->menu())
            connect(menu, &QMenu::aboutToHide, this, [this] { giveKeysBackSoon(); });
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this, bar = menuBar()](QWidget*, QWidget* now) {
                if (now == bar) giveKeysBackSoon();
            });
}

void GameWindow::giveKeysBackSoon() {
    QTimer::singleShot(0, this, [this] {
        const bool menuIdle = !menuBar()->activeAction() && !QApplication::activePopupWidget();
        if (menuBar()->hasFocus() && menuIdle) view_->setFocus();
    });
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == menuBar() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        giveKeysBackSoon();
    if (event->type() == QEvent::KeyPress && watched == view_) status_.setInputWay(InputWay::Keys);
    if (event->type() == QEvent::MouseButtonPress && watched == view_->viewport())
        status_.setInputWay(InputWay::Mouse);
    if (resuming_ && event->type() == QEvent::Paint && watched == view_->viewport())
        QTimer::singleShot(0, this, [this] { resumedShown(); });
    if (!painted_ && event->type() == QEvent::Paint && watched == view_->viewport()) {
        painted_ = true;
        QTimer::singleShot(0, this, [this] { afterFirstPaint(); });
        if (options_.printFirstPaint) {
            std::printf("painted %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// What the first sight of the table need not wait for: the match (it starts with
// the title), the table's widgets, the panels' texts, the effects file and the
// Music menu.
void GameWindow::afterFirstPaint() {
    onFirstShow();
    scene_.buildWidgets();
    fillPanels();
    startSound();
}

void GameWindow::fillPanels() {
    if (!scene_.rules().text().isEmpty()) return;
    scene_.rules().setText(withLineBreaks(rulesText()));
    scene_.about().setText(withLineBreaks(aboutText()));
}

void GameWindow::startSound() {
    if (!options_.sound || sound_) return;
    sound_ = makeSoundBoard(soundChoices_,
                            SoundPort::Hooks{[this] { saveConfig(); }, [this] { updateMenus(); },
                                             [this] { table_.hideAbout(); }},
                            options_.soundModule);
    if (!sound_) return;
    sound_->startUp();
    rebuildSongItems();
    updateMenus();
    if (options_.printMusicMenu) printMusicMenu();
}

void GameWindow::printMusicMenu() const {
    QStringList captions;
    for (const QAction* item : menus_.music->actions()) captions << item->text();
    std::printf("music menu: %s\n", qPrintable(captions.join(QStringLiteral(" | "))));
    std::fflush(stdout);
}

// ---- ending

// A match dealt and not over counts as abandoned when the program ends, unless
// it is kept to be played on.
void GameWindow::endProgram() {
    if (!unfinished_.kept()) statsKeeper_.abandonMatchInProgress();
    root_.reset();
    clock_.stop();
    QApplication::quit();
}

void GameWindow::onQuit() {
    endProgram();
    close();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

// ---- the status line and the table's waits

void GameWindow::buildStatusLine() {
    statusLabel_ = new QLabel(this);
    statusLabel_->setAccessibleDescription(tr("What the game waits for"));
    statusBar()->addWidget(statusLabel_, 1);
    statusBar()->setSizeGripEnabled(false);
    // The label shows the latest sentence. Assistive technologies are told the
    // sentences of one turn of the event loop together, once, in the label's
    // accessible name: a sentence followed at once by the next is not lost
    // before it is read.
    statusLabel_->setAccessibleName(QStringLiteral(""));  // set: the text tells nothing itself
    status_.onChange = [this](const std::string& text) {
        refreshTakeBack();
        const QString sentence = QString::fromStdString(text);
        announceTableChanges(*view_);
        statusLabel_->setText(sentence);
        const bool first = unspoken_.isEmpty();
        unspoken_ << sentence;
        if (first) QTimer::singleShot(0, this, [this] { speakStatus(); });
    };
}

void GameWindow::speakStatus() {
    statusLabel_->setAccessibleName(unspoken_.join(". "));
    unspoken_.clear();
}

void GameWindow::waitStarts(Awaited what) {
    status_.waiting(table_.view(), what);
    viewItems_->waitStarts(what);  // the cards dimmed first: the focus skips them
    keys_.waitStarts(what);
    refreshTakeBack();
    if (options_.autoPlay) QTimer::singleShot(0, this, [this, what] { playByItself(what); });
}

// The first playable card of the hand, no signal, and Continue (New Game once
// the match is over).
void GameWindow::playByItself(Awaited what) {
    const SeatView view = table_.view();
    switch (what) {
        case Awaited::DeckDraw:
            table_.onDeckClick();
            break;
        case Awaited::HumanCard:
            for (int slot = 1; slot <= 10; ++slot) {
                const Byte card = table_.fan()[static_cast<std::size_t>(slot)];
                if (!holdsUnplayed(view, card) || !isLegalPlay(view, card)) continue;
                table_.onCardPress(card, Qt::LeftButton);
                table_.onCardRelease(card, Qt::LeftButton);
                return;
            }
            break;
        case Awaited::Signal:
            table_.onCardPress(trickOnTable(view)[view.seat], Qt::LeftButton);
            break;
        case Awaited::Command:
            table_.commandGiven(view.menus.continueEnabled ? Command::Continue : Command::NewGame);
            break;
    }
}

// ---- menus

// The Players menu, after View.
void GameWindow::buildPlayersMenu() {
    auto* menu = new QMenu(tr("&Players"), this);
    menuBar()->insertMenu(menus_.about, menu);
    players_ = new PlayersMenu(*menu, match_, options_.playerSettings);
    viewItems_->expertHint = [this] { return players_->expert(Couple::Partner); };
}

QMenu* GameWindow::viewMenu() {
    if (!viewMenu_) {
        viewMenu_ = new QMenu(tr("&View"), this);
        menuBar()->insertMenu(menus_.about, viewMenu_);
    }
    return viewMenu_;
}

void GameWindow::buildMenus() {
    buildGameMenu();
    buildOptionsMenu();
    buildSoundsMenu();
    menus_.about = menuBar()->addAction(tr("&Info          "));
    connect(menus_.about, &QAction::triggered, this, [this] {
        fillPanels();
        table_.showAbout();
    });
    menus_.help = menuBar()->addAction(tr("&Help            "));
    connect(menus_.help, &QAction::triggered, this, [this] { showDeclarationsHelp(); });
    menus_.quit = menuBar()->addAction(tr("Quit"));
    menus_.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(menus_.quit, &QAction::triggered, this, [this] { onQuit(); });
}

// The Move menu, after Players.
// The Network menu, after the Move menu: tables shared with other people.
void GameWindow::buildNetworkMenu() {
    auto* menu = new QMenu(tr("&Network"), this);
    menuBar()->insertMenu(menus_.about, menu);
    NetworkMenu::Window window;
    window.parent = this;
    window.table = &table_;
    window.delayScale = options_.delayScale;
    window.autoStart = options_.autoPlay;
    window.printTable = options_.printTable;
    window.playSound = [this](Sound sound) { playSound(sound); };
    window.trustedServers = options_.trustedServers;
    window.playerName = [this] { return QString::fromStdString(match_.state().playerNames[0]); };
    window.leaveOwnTable = [this] { leaveOwnTable(); };
    window.backToOwnTable = [this] { backToOwnTable(); };
    window.refreshMenus = [this] { updateMenus(); };
    window.showStatus = [this](const QString& text) { statusLabel_->setText(text); };
    window.matchOver = [this](int scoreOption, bool won) {
        statsKeeper_.countMatchWithPeople(scoreOption, won);
    };
    network_ = new NetworkMenu(*menu, std::move(window));
}

bool GameWindow::atNetworkTable() const {
    return network_ && network_->active();
}

// The table bare: no declarations, no drawing, every card parked.
void GameWindow::clearTable() {
    table_.hideDeclarations();
    table_.clearDrawing();
    table_.parkAllCards();
}

// The window's own match stops where it stands, kept in its record.
void GameWindow::leaveOwnTable() {
    root_.reset();
    table_.dropStartedInput();
    clearTable();
    refreshTakeBack();
}

// Back from the network, the window's own match is played again to where it stood.
void GameWindow::backToOwnTable() {
    table_.setViewer(kOwnSeat);
    table_.watch([this](Byte seat) { return match_.view(seat); });
    table_.setDelayScale(options_.delayScale);
    clearTable();
    statusLabel_->clear();
    if (match_.record().decks.empty())
        startMatch();
    else
        playRecordAgain(match_.record());
    updateMenus();
}

void GameWindow::buildMoveMenu() {
    auto* menu = new QMenu(tr("&Move"), this);
    menuBar()->insertMenu(menus_.about, menu);
    menus_.takeBack = menu->addAction(tr("&Take back your card"));
    menus_.takeBack->setShortcut(QKeySequence::Undo);
    menus_.takeBack->setEnabled(false);
    connect(menus_.takeBack, &QAction::triggered, this, [this] { takeBack(); });
}

void GameWindow::refreshTakeBack() {
    if (!menus_.takeBack || replaying_.replaying()) return;
    if (atNetworkTable()) {
        menus_.takeBack->setEnabled(false);
        return;
    }
    menus_.takeBack->setEnabled(canTakeBack(match_.view(kOwnSeat), match_.players()));
}

// The run played again to just before the person's last card of the deal; the
// match waits for that card again.
void GameWindow::takeBack() {
    const SeatView view = match_.view(kOwnSeat);
    if (!canTakeBack(view, match_.players())) return;
    const std::optional<std::size_t> kept = choicesBeforeLastCard(match_.record(), view);
    if (!kept) return;
    MatchRecord record = match_.record();
    const int card = record.choices[*kept].value;
    record.choices.resize(*kept);
    playRecordAgain(std::move(record));
    match_.noteTakeBack();
    keys_.focusCard(card);  // the card taken back is the one the keys are on
}

// The View menu, after Sounds; made the first time an item is put in it.
void GameWindow::buildViewItems() {
    viewMenu()->addSeparator();
    menus_.statistics = viewMenu()->addAction(tr("&Statistics…"));
    connect(menus_.statistics, &QAction::triggered, this, [this] { showStatistics(); });
    menus_.review = viewMenu()->addAction(tr("&Review the last deal…"));
    menus_.review->setEnabled(false);
    connect(menus_.review, &QAction::triggered, this, [this] { reviewLastDeal(); });
}

void GameWindow::buildGameMenu() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    menus_.replay = checkable(game, tr("Repeat the last hand"));
    menus_.replay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(menus_.replay, &QAction::triggered, this, [this] { onReplay(); });
    menus_.newGame = game->addAction(tr("New Game"));
    menus_.newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(menus_.newGame, &QAction::triggered, this, [this] { onNewGame(); });
    menus_.continueItem = game->addAction(tr("Continue"));
    menus_.continueItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    connect(menus_.continueItem, &QAction::triggered, this, [this] { onContinue(); });
    menus_.rules = game->addAction(tr("&Game rules"));
    menus_.rules->setShortcut(QKeySequence(Qt::Key_F1));
    connect(menus_.rules, &QAction::triggered, this, [this] {
        fillPanels();
        table_.showRules();
    });
}

void GameWindow::buildOptionsMenu() {
    QMenu* options = menuBar()->addMenu(tr("&Options       "));
    menus_.playRate = options->addMenu(tr("&Play rate"));
    const QString rates[] = {tr("Low"), tr("Middle"), tr("High")};
    for (int i = 1; i <= 3; ++i) {
        menus_.playRates[i] = checkable(menus_.playRate, rates[i - 1]);
        connect(menus_.playRates[i], &QAction::triggered, this, [this, i] { setPlayRate(i); });
    }
    menus_.personalize = options->addAction(tr("&Personalize Playersi"));
    connect(menus_.personalize, &QAction::triggered, this,
            [this] { names_.openNamesPanel(table_.view().playerNames); });
    menus_.call = options->addMenu(tr("&Allow all to declare"));
    const QString answers[] = {tr("Yes"), tr("No")};
    for (int i = 1; i <= 2; ++i) {
        menus_.callYes[i] = checkable(menus_.call, answers[i - 1]);
        connect(menus_.callYes[i], &QAction::triggered, this, [this, i] { setWhoDeclares(i); });
    }
    menus_.score = options->addMenu(tr("&Score"));
    const QString targets[] = {tr("21 points"), tr("31 points")};
    for (int i = 0; i <= 1; ++i) {
        menus_.matchTargets[i] = checkable(menus_.score, targets[i]);
        connect(menus_.matchTargets[i], &QAction::triggered, this,
                [this, i] { setMatchTarget(i); });
    }
}

void GameWindow::buildSoundsMenu() {
    QMenu* sounds = menuBar()->addMenu(tr("&Sounds         "));
    QMenu* rustle = sounds->addMenu(tr("Card rustle"));
    const QString rustleItems[] = {tr("No"), tr("Yes")};
    for (int i = 0; i <= 1; ++i) {
        menus_.rustle[i] = checkable(rustle, rustleItems[i]);
        connect(menus_.rustle[i], &QAction::triggered, this, [this, i] {
            if (sound_) sound_->setCardRustle(i);
            updateMenus();
        });
    }
    menus_.music = sounds->addMenu(tr("&Music        "));
    connect(menus_.music, &QMenu::aboutToShow, this, [this] {
        if (sound_) sound_->musicMenuOpened();
    });
    menus_.noMusic = checkable(menus_.music, tr("None"));
    connect(menus_.noMusic, &QAction::triggered, this, [this] {
        if (sound_) sound_->chooseNoMusic();
        updateMenus();
    });
    menus_.allSongs = checkable(menus_.music, tr("SEQUENTIAL MODE"));
    connect(menus_.allSongs, &QAction::triggered, this, [this] {
        if (sound_) sound_->chooseAllSongs();
        updateMenus();
    });
}

void GameWindow::rebuildSongItems() {
    for (QAction* song : menus_.songs) delete song;
    menus_.songs.clear();
    if (!sound_) return;
    const SoundMenu& model = sound_->menu();
    for (int index = 1; index <= model.songCount(); ++index) {
        QAction* song = checkable(menus_.music, QString::fromStdString(model.song(index).caption));
        connect(song, &QAction::triggered, this, [this, index] {
            sound_->chooseSong(index);
            updateMenus();
        });
        menus_.songs.push_back(song);
    }
}

void GameWindow::updateMenus() {
    const SeatView g = table_.view();
    const MenuState& m = g.menus;
    menus_.continueItem->setEnabled(m.continueEnabled);
    menus_.newGame->setEnabled(m.newGameEnabled);
    menus_.replay->setEnabled(m.replayEnabled);
    menus_.replay->setChecked(m.replayChecked);
    menus_.personalize->setEnabled(m.personalizeEnabled);
    menus_.call->setEnabled(m.allowDeclareEnabled);
    menus_.score->setEnabled(m.scoreEnabled);
    menus_.playRate->setEnabled(m.playRateEnabled);
    for (int i = 1; i <= 3; ++i) menus_.playRates[i]->setChecked(g.playRate == i);
    for (int i = 1; i <= 2; ++i) menus_.callYes[i]->setChecked(g.allowAllDeclare == i);
    for (int i = 0; i <= 1; ++i) menus_.matchTargets[i]->setChecked(g.scoreOption == i);
    if (!sound_) return;
    const SoundMenu& model = sound_->menu();
    if (static_cast<int>(menus_.songs.size()) != model.songCount()) rebuildSongItems();
    for (int i = 0; i <= 1; ++i) menus_.rustle[i]->setChecked(model.rustleChecked[i]);
    menus_.noMusic->setChecked(model.noMusic);
    menus_.allSongs->setChecked(model.all);
    for (int index = 1; index <= model.songCount(); ++index)
        menus_.songs[static_cast<std::size_t>(index - 1)]->setChecked(model.song(index).checked);
}

// ---- handlers

void GameWindow::openMessage(const QString& title, const QString& text,
                             std::function<void()> done) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (done) connect(box, &QDialog::finished, this, [done = std::move(done)](int) { done(); });
    box->open();
}

void GameWindow::onReplay() {
    if (atNetworkTable()) {  // the server says whether a hand may be repeated
        table_.commandGiven(Command::Replay);
        return;
    }
    switch (match_.replayAnswer()) {
        case ReplayAnswer::Refused:
            updateMenus();
            openMessage("Morvello", tr("No hand so far played"), nullptr);
            break;
        case ReplayAnswer::Confirm:
            updateMenus();
            openMessage("Morvello",
                        tr("The final score will report the points of repeated hand\n"
                           "These will take the place of the previous one"),
                        [this] { table_.commandGiven(Command::Replay); });
            break;
        case ReplayAnswer::Nothing:
            updateMenus();
            break;
    }
}

// A command the controller is not waiting for (New Game during a deal) changes
// nothing; the menus show the state again.
void GameWindow::onNewGame() {
    if (!table_.commandGiven(Command::NewGame)) updateMenus();
}

void GameWindow::onContinue() {
    if (!table_.commandGiven(Command::Continue)) updateMenus();
}

void GameWindow::setPlayRate(int index) {
    match_.setPlayRate(index);
}

void GameWindow::setWhoDeclares(int index) {
    match_.setWhoDeclares(index);
}

void GameWindow::setMatchTarget(int index) {
    match_.setMatchTarget(index);
}

void GameWindow::showStatistics() {
    auto* dialog = new StatisticsDialog(
        stats_, [this] { statsKeeper_.reset(); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

// The review reads a copy of the deal's record; the game waits behind it.
void GameWindow::reviewLastDeal() {
    if (recorder_.lastDeal().empty()) return;
    if (!reviewArt_) reviewArt_ = std::make_unique<CardArt>();
    auto* dialog = new ReviewDialog(recorder_.lastDeal(), *reviewArt_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

// A failed save says why itself.
void GameWindow::saveStatistics() {
    if (statisticsStore_) statisticsStore_->save(stats_);
}

void GameWindow::showDeclarationsHelp() {
    openMessage(QCoreApplication::translate("DeclarationsHelp", kHelpTitle),
                withLineBreaks(declarationsHelp()), nullptr);
}

// ---- the table's host

// The sound board's segments come in the order of the game's sounds.
void GameWindow::playSound(Sound sound) {
    if (sound_ && !replaying_.replaying()) sound_->playSegment(static_cast<int>(sound));
}

// The default names are kept in English, whatever language shows them.
void GameWindow::saveConfig(const StoredGame& stored) {
    if (!options_.store) return;
    StoredGame kept = stored;
    kept.playerNames = storedNames(stored.playerNames);
    options_.store->writeConfig(kept, soundChoices_);
}

}  // namespace morvello
