#include "table/names_panel.h"

#include <QCoreApplication>

#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "drawing/drawing.h"
#include "settings/player_name.h"
#include "table/game_words.h"
#include "table/qt_table.h"
#include "table/table_scene.h"
#include "table/table_text.h"
#include "table/text_panel.h"

namespace morvello {
namespace {

constexpr double kBoxLeft = 74;
constexpr double kBoxesTop = 32;
constexpr double kNamesFontSize = 10;  // the size the names are printed at on the table
constexpr double kPanelWidth = 158;
constexpr double kHintTop = 172;  // just below the panel's frame

// Refuses, keystroke by keystroke, a name the file or the table could not hold,
// and keeps the reason for the player.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const QString refusal = nameRefusal(input);
        if (refusal.isEmpty()) return Acceptable;
        lastRefusal_ = refusal;
        return Invalid;
    }
    const QString& lastRefusal() const { return lastRefusal_; }

  private:
    mutable QString lastRefusal_;
};

bool fitsTheTable(const QString& name) {
    return tableTextWidth(name, kNamesFontSize) <= kMaxNameWidth;
}

TextPanel* makeHint(TableScene& scene) {
    auto* hint = new TextPanel(kPanelWidth, PanelStyle{.points = 7,
                                                       .text = Qt::black,
                                                       .ground = QColor(255, 255, 192),
                                                       .border = QColor(255, 255, 0),
                                                       .padding = 3});
    hint->setParentItem(&scene.surface());
    hint->setZValue(stacking::widgets);
    hint->setPos(0, kHintTop);
    hint->hide();
    return hint;
}

}  // namespace

// Why a name would not read back as written, for the player.
QString faultText(NameFault fault) {
    switch (fault) {
        case NameFault::None:
            return {};
        case NameFault::LeadingSpace:
            return QCoreApplication::translate("Names", "A name cannot start with a space.");
        case NameFault::Comma:
            return QCoreApplication::translate("Names", "A name cannot contain a comma.");
        case NameFault::Quote:
            return QCoreApplication::translate("Names", "A name cannot contain a double quote.");
        case NameFault::LineBreak:
            return QCoreApplication::translate("Names", "A name must fit on one line.");
        case NameFault::ControlCharacter:
            return QCoreApplication::translate("Names",
                                               "A name cannot contain control characters.");
        case NameFault::OutsideCodePage:
            return QCoreApplication::translate(
                "Names", "A name can only use the letters of Western European languages.");
    }
    return {};
}

QString nameRefusal(const QString& name) {
    if (const NameFault fault = nameFault(name.toStdString()); fault != NameFault::None)
        return faultText(fault);
    if (name.toUcs4().size() > kMaxNameLength) {
        return countText(
            QCoreApplication::translate("Names", "A name can have at most %n character(s).",
                                        nullptr, kMaxNameLength),
            "A name can have at most %n character(s).", kMaxNameLength,
            "A name can have at most %n character.", "A name can have at most %n characters.");
    }
    if (!fitsTheTable(name))
        return QCoreApplication::translate("Names", "This name is too wide for the table.");
    return {};
}

bool isAcceptableName(const QString& name) {
    return nameRefusal(name).isEmpty();
}

QString fittedName(const std::string& utf8) {
    const QList<uint> chars = QString::fromStdString(storableName(utf8)).toUcs4();
    QString name = QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()),
                                     std::min<qsizetype>(chars.size(), kMaxNameLength));
    while (!fitsTheTable(name)) name.chop(1);
    return name;
}

NamesPanel::NamesPanel(NamesInput& input, TableScene& scene, QtTable& table)
    : input_(input), scene_(scene), table_(table), hint_(makeHint(scene)) {
    scene_.whenWidgetsBuilt([this] { connectWidgets(); });
}

void NamesPanel::connectWidgets() {
    for (int i = 1; i <= 4; ++i) {
        QLineEdit& box = scene_.nameBox(i);
        auto* validator = new NameValidator(&box);
        box.setValidator(validator);
        QObject::connect(&box, &QLineEdit::textChanged, &box, [this, i] {
            hint_->hide();
            setPlayerName(i);
        });
        QObject::connect(&box, &QLineEdit::inputRejected, &box, [this, validator] {
            hint_->setText(validator->lastRefusal());
            hint_->show();
        });
    }
    QObject::connect(&scene_.namesOk(), &QPushButton::clicked, &scene_.namesOk(),
                     [this] { confirmNames(); });
}

void NamesPanel::openNamesPanel(const std::array<std::string, 4>& names) {
    table_.clearDrawing();
    input_.openNamesPanel();
    Drawing d;
    d.fillRect(0, 0, 158, 30, colours::lightYellow);
    d.setFontSize(8);
    d.setColour(colours::black);
    d.moveTo(0, 5);
    d.print(QCoreApplication::translate("Names", "  Names of the Players").toStdString(), true);
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
        // A box holds only what it would accept from the keyboard, so its checks
        // hold for every keystroke, and the name kept is the name shown.
        const QString fitted = fittedName(names[static_cast<std::size_t>(i - 1)]);
        input_.setPlayerName(i, fitted.toStdString());
        scene_.nameBox(i).setText(fitted);
        d.print((i == 1 ? QCoreApplication::translate("Names", "Player1 (you)")
                        : QCoreApplication::translate("Names", "Player%1").arg(i))
                    .toStdString(),
                true);
    }
    QGraphicsProxyWidget& ok = scene_.namesOkItem();
    ok.setPos(kBoxLeft, kBoxesTop + 3 * boxHeight + boxHeight + 5);
    ok.show();
    scene_.surface().append(d.ops());
}

void NamesPanel::setPlayerName(int index) {
    input_.setPlayerName(index, scene_.nameBox(index).text().toStdString());
}

void NamesPanel::confirmNames() {
    input_.confirmNames();
    for (int i = 1; i <= 4; ++i) scene_.nameBoxItem(i).hide();
    scene_.namesOkItem().hide();
    hint_->hide();
    table_.clearDrawing();
    table_.dealerChoiceChanged();
}

bool NamesPanel::shown() const {
    return scene_.namesOkItem().isVisible();
}

}  // namespace morvello
