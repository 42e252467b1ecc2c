// The game window "Velquist - Morvello": the table, the menus and their
// handlers, the clock, start-up and the match controller's root task.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/players_menu.h"
#include "app/sound_port.h"
#include "app/statistics_store.h"
#include "app/unfinished_match.h"
#include "app/view_items.h"
#include "match/controller.h"
#include "match/replaying_table.h"
#include "settings/config_store.h"
#include "stats/deal_record.h"
#include "stats/statistics.h"
#include "table/names_panel.h"
#include "table/qt_table.h"
#include "table/scaled_view.h"
#include "table/status_line.h"
#include "table/table_keys.h"
#include "table/table_scene.h"
#include "task/task.h"

class QAction;
class QUrl;
class QLabel;
class QMenu;

namespace morvello {

class CardArt;
class NetworkMenu;

struct WindowOptions {
    double delayScale = 1;         // 0: every delay and animation completes at once
    bool autoDraw = false;         // the dealer choice draws by itself
    bool autoPlay = false;         // the person's seat plays by itself, going on with a match left
    bool printFirstPaint = false;  // prints "painted <ms since the epoch>" on the first paint
    bool printHumanTurn = false;   // prints "human turn" when the human is first asked to play
    bool printMusicMenu = false;   // prints "music menu: <captions>" once the sound starts
    bool printResume = false;      // prints "offered <choices>" and "resumed <ms> <ms>"
    std::optional<ConfigStore> store;  // none: nothing is read or saved
    bool sound = true;                 // false: silent, with an empty Music menu
    QString soundModule;               // the audio module; empty: the one beside the program
    QString statisticsFolder;          // where statistics.json lives; empty: kept for this run only
    QString unfinishedMatchFolder;     // where the match under way is kept; empty: not kept
    QString viewSettings;              // keeps the View menu's choices; empty: not kept
    QString playerSettings;            // keeps the Players menu's choices; empty: not kept
    QString trustedServers;            // the certificates trusted for each server; empty: not kept
    MatchOptions match;
    // At start-up, instead of the window's own match: a table of the network to
    // join (its address and code), or one to host on this port.
    std::optional<std::pair<QUrl, QString>> joinTable;
    std::optional<quint16> hostTable;
    bool printTable = false;  // prints "table <address> <code>" and "table over"
};

// The menu items whose captions, check marks and enabled states the game sets.
struct GameMenus {
    QAction* replay = nullptr;
    QAction* newGame = nullptr;
    QAction* continueItem = nullptr;
    QAction* rules = nullptr;
    QMenu* playRate = nullptr;
    std::array<QAction*, 4> playRates{};  // items 1..3
    QAction* personalize = nullptr;
    QMenu* call = nullptr;
    std::array<QAction*, 3> callYes{};  // items 1..2
    QMenu* score = nullptr;
    std::array<QAction*, 2> matchTargets{};
    std::array<QAction*, 2> rustle{};
    QMenu* music = nullptr;
    QAction* noMusic = nullptr;
    QAction* allSongs = nullptr;
    std::vector<QAction*> songs;
    QAction* about = nullptr;
    QAction* help = nullptr;
    QAction* quit = nullptr;
    QAction* statistics = nullptr;
    QAction* review = nullptr;
    QAction* takeBack = nullptr;
};

class GameWindow : public QMainWindow, private TableHost {
    Q_DECLARE_TR_FUNCTIONS(GameWindow)

  public:
    explicit GameWindow(WindowOptions options);
    ~GameWindow() override;

    // setUp: reads the configuration and shows it in the menus.
    void setUp();

    Match& match() { return match_; }
    const SoundChoices& soundChoices() const { return soundChoices_; }
    TableScene& scene() { return scene_; }
    ScaledView& view() { return *view_; }
    QtTable& table() { return table_; }
    NamesPanel& namesPanel() { return names_; }
    const GameMenus& menus() const { return menus_; }
    // The View menu, made on first use, between Sounds and Info.
    QMenu* viewMenu();
    ViewItems& viewItems() { return *viewItems_; }
    PlayersMenu& players() { return *players_; }
    const StatusLine& statusLine() const { return status_; }
    QLabel& statusLabel() { return *statusLabel_; }
    TableKeys& keys() { return keys_; }
    bool matchRunning() const { return root_.valid() && !root_.done(); }
    const Statistics& statistics() const { return stats_; }
    const DealRecorder& dealRecorder() const { return recorder_; }

    // The size the window opens at: a table area of 1024 x 779 pixels, or the
    // largest 4:3 area that fits the screen's free area.
    static QSize openingTableArea(QSize available);

    // The menu handlers.
    void onReplay();
    void onNewGame();
    void onContinue();
    void setPlayRate(int index);
    void setWhoDeclares(int index);
    void setMatchTarget(int index);
    void showDeclarationsHelp();
    void onQuit();
    // The View menu: the statistics, and the review of the last settled deal.
    void showStatistics();
    void reviewLastDeal();
    // The Move menu: the person's last card of the deal taken back.
    void takeBack();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // TableHost
    void updateMenus(const MenuState&) override { updateMenus(); }
    void playSound(Sound sound) override;
    void saveConfig(const StoredGame& stored) override;
    void lateSignalChoice(int item) override { match_.pickLateSignal(kOwnSeat, item); }
    QWidget* dialogParent() override { return this; }

    void updateMenus();
    void saveConfig() { saveConfig(match_.stored()); }

    void buildMenus();
    void buildGameMenu();
    void buildOptionsMenu();
    void buildSoundsMenu();
    void buildViewItems();
    void buildPlayersMenu();
    void buildMoveMenu();
    void buildNetworkMenu();
    void leaveOwnTable();
    void clearTable();
    void backToOwnTable();
    bool atNetworkTable() const;
    void refreshTakeBack();
    void saveStatistics();
    void buildStatusLine();
    void waitStarts(Awaited what);
    void speakStatus();
    bool panelTakesKey(int key);
    void keepKeysOnTheTable();
    void giveKeysBackSoon();
    void rebuildSongItems();
    void onFirstShow();
    void startMatch();
    void offerLeftMatch(LeftMatch left);
    void playRecordAgain(MatchRecord record);
    void replayingChanged(bool replaying);
    void resumedShown();
    void playByItself(Awaited what);
    void matchEnded();
    void showFailure(const QString& what);
    void afterFirstPaint();
    void fillPanels();
    void startSound();
    void printMusicMenu() const;
    void tickClock();
    void openMessage(const QString& title, const QString& text, std::function<void()> done);
    void endProgram();

    WindowOptions options_;
    TableScene scene_;
    ScaledView* view_;
    QtTable table_;
    ReplayingTable replaying_{table_, table_};
    Match match_;
    UnfinishedMatch unfinished_;
    NamesPanel names_;
    SoundChoices soundChoices_;  // the sound board's, saved in config.qvr with the rest
    std::unique_ptr<SoundPort> sound_;
    GameMenus menus_;
    QMenu* viewMenu_ = nullptr;
    StatusLine status_{kOwnSeat};
    QLabel* statusLabel_ = nullptr;
    QStringList unspoken_;  // the status line's sentences not yet told to assistive technologies
    TableKeys keys_;
    std::unique_ptr<ViewItems> viewItems_;
    PlayersMenu* players_ = nullptr;  // owned by its menu
    NetworkMenu* network_ = nullptr;  // owned by its menu
    QTimer clock_;
    bool painted_ = false;
    std::optional<QElapsedTimer> resuming_;  // since "Yes", until the table is painted
    qint64 replayMs_ = 0;
    Statistics stats_;
    StatisticsKeeper statsKeeper_{stats_};
    DealRecorder recorder_;
    std::optional<StatisticsStore> statisticsStore_;  // read by setUp
    std::unique_ptr<CardArt> reviewArt_;
    Task<> root_;  // destroyed first: the controller never outlives the table
};

// setUp's screen check: the screen must hold 829 x 624 pixels.
bool screenLargeEnough(QSize available);

}  // namespace morvello
