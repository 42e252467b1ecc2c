// The View menu's game items: Last trick, Show playable cards, Hint, Full screen
// and Keys. They only look at the game: the state is read, never written.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "match/match_observer.h"
#include "settings/settings_file.h"
#include "table/last_trick_view.h"
#include "table/qt_table.h"
#include "table/status_line.h"

class QAction;
class QMainWindow;
class QMenu;

namespace morvello {

struct ViewActions {
    QAction* lastTrick = nullptr;
    QAction* playable = nullptr;
    QAction* hint = nullptr;
    QAction* fullScreen = nullptr;
    QAction* keys = nullptr;
};

class ViewItems final : public QObject, public MatchObserver {
    Q_DECLARE_TR_FUNCTIONS(ViewItems)

  public:
    // settingsFile keeps "Show playable cards"; empty: the choice is not kept.
    ViewItems(QMainWindow& window, QMenu& menu, QtTable& table, TableScene& scene,
              QString settingsFile);

    const ViewActions& actions() const { return actions_; }
    LastTrickView& lastTrick() { return lastTrick_; }

    // True while the hint is the Expert's choice (the human's couple plays Expert).
    std::function<bool()> expertHint;
    // Told the card a hint frames.
    std::function<void(int card)> onHint;
    // Told the trick Last trick shows, by seat, and who took it.
    std::function<void(const std::array<Byte, 5>& bySeat, Byte winner)> onLastTrickShown;

    // Told by the table when a wait starts.
    void waitStarts(Awaited what);
    // A key puts the last trick away; true when it did.
    bool takesKey();

    void onMatchStart(const GameState&) override;
    void onDeal(const GameState&, bool) override;
    void onPlay(const GameState&, Byte seat, Byte) override;
    void onTrick(const GameState& g, Byte winner, int) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addItems(QMenu& menu);
    QAction* gameItem(QMenu& menu, const QString& caption, QKeySequence keys,
                      void (ViewItems::*handler)());
    void showLastTrick();
    void showPlayable(bool humanTurn);
    void showHint();
    void setFullScreen(bool on);
    void showKeys();
    void savePlayable();

    QMainWindow& window_;
    QtTable& table_;
    LastTrickView lastTrick_;
    SettingsFile settings_;
    ViewActions actions_;
    std::array<Byte, 5> lastTrickCards_{};
    Byte lastTrickWinner_ = 0;
};

}  // namespace morvello
