#include "app/players_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "match/controller.h"

namespace morvello {
namespace {

const QString kPartnerKey = QStringLiteral("players/partner");
const QString kOpponentsKey = QStringLiteral("players/opponents");
const QString kExpertLevel = QStringLiteral("expert");
const QString kClassicLevel = QStringLiteral("classic");

const QString& keyOf(Couple couple) {
    return couple == Couple::Partner ? kPartnerKey : kOpponentsKey;
}

}  // namespace

PlayersMenu::PlayersMenu(QMenu& menu, Match& match, QString settingsFile)
    : QObject(&menu), match_(match), settings_(std::move(settingsFile)) {
    partner_ = addLevels(menu, QCoreApplication::translate("Players", "&Partner"), Couple::Partner);
    opponents_ =
        addLevels(menu, QCoreApplication::translate("Players", "&Opponents"), Couple::Opponents);
    for (const Couple couple : {Couple::Partner, Couple::Opponents}) {
        const bool expert = settings_.value(keyOf(couple)) == kExpertLevel;
        (expert ? levels(couple).expert : levels(couple).classic)->setChecked(true);
    }
    apply();
}

// A submenu with Classic and Expert, one of them checked.
PlayersMenu::Levels PlayersMenu::addLevels(QMenu& menu, const QString& caption, Couple couple) {
    QMenu* submenu = menu.addMenu(caption);
    auto* group = new QActionGroup(submenu);
    const Levels added{submenu->addAction(QCoreApplication::translate("Players", "&Classic")),
                       submenu->addAction(QCoreApplication::translate("Players", "&Expert"))};
    for (QAction* level : {added.classic, added.expert}) {
        level->setCheckable(true);
        group->addAction(level);
    }
    added.classic->setChecked(true);
    connect(group, &QActionGroup::triggered, this,
            [this, couple, expert = added.expert](QAction* chosen) {
                setExpert(couple, chosen == expert);
            });
    return added;
}

bool PlayersMenu::expert(Couple couple) const {
    return levels(couple).expert->isChecked();
}

void PlayersMenu::setExpert(Couple couple, bool expert) {
    (expert ? levels(couple).expert : levels(couple).classic)->setChecked(true);
    apply();
    save();
}

// The partner sits in seat 3, the opponents in seats 2 and 4; the person's
// own seat stays as it is.
void PlayersMenu::apply() {
    const auto kindOf = [this](Couple couple) {
        return expert(couple) ? PlayerKind::Expert : PlayerKind::Classic;
    };
    SeatKinds players = match_.players();
    players[3] = kindOf(Couple::Partner);
    players[2] = players[4] = kindOf(Couple::Opponents);
    match_.setPlayers(players);
}

void PlayersMenu::save() {
    for (const Couple couple : {Couple::Partner, Couple::Opponents})
        settings_.setValue(keyOf(couple), expert(couple) ? kExpertLevel : kClassicLevel);
}

}  // namespace morvello
