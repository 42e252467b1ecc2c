// The Players menu: the partner and the opponents each play Classic (the
// game's own strategy, the default) or Expert. The choice is kept in the
// user's settings and takes effect from the next computer card.
#pragma once

#include <QObject>
#include <QString>

#include "settings/settings_file.h"

class QAction;
class QMenu;

namespace morvello {

class Match;

enum class Couple { Partner, Opponents };

class PlayersMenu final : public QObject {
  public:
    // settingsFile keeps the choices; empty: they are not kept.
    PlayersMenu(QMenu& menu, Match& match, QString settingsFile);

    bool expert(Couple couple) const;
    void setExpert(Couple couple, bool expert);

  private:
    struct Levels {
        QAction* classic = nullptr;
        QAction* expert = nullptr;
    };

    Levels addLevels(QMenu& menu, const QString& caption, Couple couple);
    const Levels& levels(Couple couple) const {
        return couple == Couple::Partner ? partner_ : opponents_;
    }
    void apply();
    void save();

    Match& match_;
    SettingsFile settings_;
    Levels partner_;
    Levels opponents_;
};

}  // namespace morvello
