#include "table/names_panel.h"

#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "drawing/drawing.h"
#include "settings/player_name.h"
#include "table/qt_table.h"
#include "table/table_scene.h"
#include "table/table_text.h"

namespace morvello {
namespace {

// Refuses, keystroke by keystroke, a name the file or the table could not hold.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isAcceptableName(input) ? Acceptable : Invalid;
    }
};

constexpr double kBoxLeft = 74;
constexpr double kBoxesTop = 32;

}  // namespace

bool isAcceptableName(const QString& name) {
    return name.size() <= kMaxNameLength && isStorableName(name.toStdString()) &&
           tableTextWidth(name, 10) <= kMaxNameWidth;
}

NamesPanel::NamesPanel(Match& match, TableScene& scene, QtTable& table)
    : match_(match), scene_(scene), table_(table) {
    for (int i = 1; i <= 4; ++i) {
        QLineEdit& box = scene_.nameBox(i);
        box.setValidator(new NameValidator(&box));
        QObject::connect(&box, &QLineEdit::textChanged, &box, [this, i] { TxtPlayer_Change(i); });
    }
    QObject::connect(&scene_.namesOk(), &QPushButton::clicked, &scene_.namesOk(),
                     [this] { CMDNames_Click(); });
}

void NamesPanel::personalize_players_Click() {
    table_.clearDrawing();
    match_.personalize_players_Click();
    Drawing d;
    d.fillRect(0, 0, 158, 30, colours::lightYellow);
    d.setFontSize(8);
    d.setColour(colours::black);
    d.moveTo(0, 5);
    d.print("  Names of the Players", true);
    d.rect(0, 30, 158, 170, colours::yellow);
    d.moveTo(0, 30);
    d.setColour(colours::white);
    const double boxHeight = scene_.nameBoxItem(1).size().height();
    for (int i = 1; i <= 4; ++i) {
        QGraphicsProxyWidget& item = scene_.nameBoxItem(i);
        const double top = kBoxesTop + (i - 1) * boxHeight;
        item.setPos(kBoxLeft, top);
        item.show();
        d.moveTo(5, top + 1);
        scene_.nameBox(i).setText(
            QString::fromStdString(match_.state().playerNames[static_cast<std::size_t>(i - 1)]));
        d.print(i == 1 ? "Player1 (you)" : "Player" + std::to_string(i), true);
    }
    QGraphicsProxyWidget& ok = scene_.namesOkItem();
    ok.setPos(kBoxLeft, kBoxesTop + 3 * boxHeight + boxHeight + 5);
    ok.show();
    scene_.surface().append(d.ops());
}

void NamesPanel::TxtPlayer_Change(int index) {
    match_.TxtPlayer_Change(index, scene_.nameBox(index).text().toStdString());
}

void NamesPanel::CMDNames_Click() {
    match_.CMDNames_Click();
    for (int i = 1; i <= 4; ++i) scene_.nameBoxItem(i).hide();
    scene_.namesOkItem().hide();
    table_.clearDrawing();
    table_.dealerChoiceChanged();
}

bool NamesPanel::shown() const {
    return scene_.namesOkItem().isVisible();
}

}  // namespace morvello
