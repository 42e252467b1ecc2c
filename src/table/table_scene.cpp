#include "table/table_scene.h"

#include <QCoreApplication>
#include <utility>

#include <QGraphicsLineItem>
#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPen>
#include <QPushButton>

#include "table/table_geometry.h"
#include "table/table_text.h"

namespace morvello {
namespace {

constexpr double kOffTable = kParkedForDeal.x;
const QColor kClockColour(255, 255, 192);
constexpr double kClockPoints = 10;

QFont widgetFont(int unitPixels) {
    QFont font = tableFont();
    font.setPixelSize(unitPixels);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    return font;
}

}  // namespace

TableScene::TableScene(QSizeF cardSize) : cardSize_(cardSize), surface_(new TableSurface) {
    setSceneRect(0, 0, kTableWidth, kTableHeight);
    setItemIndexMethod(QGraphicsScene::NoIndex);
    addItem(surface_);
    buildCards();
    buildLabels();
}

void TableScene::buildCards() {
    for (int code = 1; code <= 40; ++code) {
        auto* item = new CardItem(code, cardSize_);
        item->setParentItem(surface_);
        item->setPos(kOffTable, kOffTable);
        cards_[static_cast<std::size_t>(code)] = item;
    }
    deck_ = new PictureItem(PictureItem::Kind::Deck, cardSize_);
    deck_->setParentItem(surface_);
    deck_->setZValue(stacking::deck);
    deck_->setPos(kOffTable, kOffTable);
    deck_->hide();
    title_ = new PictureItem(PictureItem::Kind::Title, QSizeF(320, 130));
    title_->setParentItem(surface_);
    title_->setZValue(stacking::title);
    title_->setPos(400 - 160, 300 - 65);
    title_->hide();
}

void TableScene::buildLabels() {
    const PanelStyle declarationStyle{.points = 7.5,
                                      .text = QColor(60, 0, 0),
                                      .ground = QColor(255, 255, 192),
                                      .border = QColor(128, 0, 0),
                                      .padding = 2.5};
    for (int seat = 1; seat <= 4; ++seat) {
        auto* label = new TextPanel(2 * cardSize_.width(), declarationStyle);
        label->setParentItem(surface_);
        label->setZValue(stacking::labels);
        label->hide();
        declarations_[static_cast<std::size_t>(seat)] = label;
    }
    clock_ = new TextPanel(tableTextWidth("00:00:00", kClockPoints) + 2,
                           PanelStyle{.points = kClockPoints,
                                      .text = kClockColour,
                                      .ground = Qt::transparent,
                                      .border = Qt::transparent,
                                      .padding = 1});
    clock_->setParentItem(surface_);
    clock_->setZValue(stacking::labels);
    clock_->setPos(kTableWidth - clock_->width() - 10, 4 + 2);
    clockLine1_ = new QGraphicsLineItem(surface_);
    clockLine2_ = new QGraphicsLineItem(surface_);
    for (auto* line : {clockLine1_, clockLine2_}) {
        line->setPen(QPen(kClockColour, 0.8));
        line->setZValue(stacking::labels);
    }
    setClockText({});

    const PanelStyle panelStyle{.points = 8,
                                .text = QColor(20, 20, 20),
                                .ground = QColor(255, 255, 230),
                                .border = QColor(128, 0, 0),
                                .padding = 8};
    rules_ = new TextPanel(560, panelStyle);
    rules_->setParentItem(surface_);
    rules_->setZValue(stacking::panels);
    rules_->setPos(0, 0);
    rules_->hide();
    about_ = new TextPanel(330, panelStyle);
    about_->setParentItem(surface_);
    about_->setZValue(stacking::panels);
    about_->setPos(20, 40);
    about_->hide();
}

void TableScene::buildWidgets() {
    if (widgetsBuilt_) return;
    widgetsBuilt_ = true;
    Widgets& w = widgets_;
    w.signalList = new QListWidget;
    w.signalList->addItems({QCoreApplication::translate("Signals", "None"),
                            QCoreApplication::translate("Signals", "Volo"),
                            QCoreApplication::translate("Signals", "Busso"),
                            QCoreApplication::translate("Signals", "Striscio!")});
    w.signalList->setFont(widgetFont(10));
    w.signalList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w.signalList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w.signalList->setFocusPolicy(Qt::NoFocus);
    w.signalList->setUniformItemSizes(true);
    w.signalList->setFixedSize(62, 4 * 12 + 4);
    w.signalListProxy = addWidget(w.signalList);
    w.signalListProxy->setParentItem(surface_);
    w.signalListProxy->setZValue(stacking::widgets);
    w.signalListProxy->setPos(kOffTable, kOffTable);
    w.signalListProxy->hide();  // shown only beside the card it signals on

    for (int i = 1; i <= 4; ++i) {
        auto* box = new QLineEdit;
        box->setFont(widgetFont(11));
        box->setFixedSize(80, 22);
        box->setTextMargins(1, 0, 1, 0);
        auto* proxy = addWidget(box);
        proxy->setParentItem(surface_);
        proxy->setZValue(stacking::widgets);
        proxy->hide();
        w.nameBoxes[static_cast<std::size_t>(i)] = box;
        w.nameBoxProxies[static_cast<std::size_t>(i)] = proxy;
    }
    w.namesOk = new QPushButton(QCoreApplication::translate("Names", "OK"));
    w.namesOk->setFont(widgetFont(11));
    w.namesOk->setFixedSize(50, 22);
    w.namesOkProxy = addWidget(w.namesOk);
    w.namesOkProxy->setParentItem(surface_);
    w.namesOkProxy->setZValue(stacking::widgets);
    w.namesOkProxy->hide();
    for (const std::function<void()>& connect : std::exchange(whenBuilt_, {})) connect();
}

TableScene::Widgets& TableScene::widgets() {
    buildWidgets();
    return widgets_;
}

void TableScene::whenWidgetsBuilt(std::function<void()> connect) {
    if (widgetsBuilt_)
        connect();
    else
        whenBuilt_.push_back(std::move(connect));
}

void TableScene::bringToFront(int code) {
    card(code).setZValue(++frontZ_);
}

void TableScene::sendToBack(int code) {
    card(code).setZValue(--backZ_);
}

void TableScene::setClockText(const QString& text) {
    if (text == clock_->text() && !text.isEmpty()) return;
    clock_->setText(text);
    const QPointF p = clock_->pos();
    const double w = clock_->width(), h = clock_->height();
    // Lines that stay where they are are not touched: each tick repaints the time alone.
    const QLineF line1(p.x(), p.y() + h, p.x() + w, p.y() + h);
    const QLineF line2(p.x() - 2, p.y() + h + 5, p.x() + w, p.y() + h + 5);
    if (clockLine1_->line() != line1) clockLine1_->setLine(line1);
    if (clockLine2_->line() != line2) clockLine2_->setLine(line2);
}

}  // namespace morvello
