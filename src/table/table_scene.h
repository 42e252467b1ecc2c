// The table: an 800 x 600 scene holding the drawing surface and, on it, the card
// images, the deck, the title, the declaration labels, the clock, the rules and
// about panels, the signal list and the names panel's boxes.
#pragma once

#include <QGraphicsScene>
#include <array>
#include <functional>
#include <vector>

#include "table/card_item.h"
#include "table/table_surface.h"
#include "table/text_panel.h"

class QGraphicsLineItem;
class QGraphicsProxyWidget;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morvello {

class TableScene : public QGraphicsScene {
  public:
    explicit TableScene(QSizeF cardSize);

    QSizeF cardSize() const { return cardSize_; }
    TableSurface& surface() { return *surface_; }
    CardItem& card(int code) { return *cards_.at(static_cast<std::size_t>(code)); }
    PictureItem& deck() { return *deck_; }
    PictureItem& title() { return *title_; }
    TextPanel& declaration(int seat) { return *declarations_.at(static_cast<std::size_t>(seat)); }
    TextPanel& clock() { return *clock_; }
    TextPanel& rules() { return *rules_; }
    TextPanel& about() { return *about_; }
    // The widgets (the signal list, the name boxes and OK) are a good part of the
    // start-up's work and unseen at first: they are built on first use, or by
    // buildWidgets once the table has been shown.
    QListWidget& signalList() { return *widgets().signalList; }
    QGraphicsProxyWidget& signalListItem() { return *widgets().signalListProxy; }
    QLineEdit& nameBox(int i) { return *widgets().nameBoxes.at(static_cast<std::size_t>(i)); }
    QGraphicsProxyWidget& nameBoxItem(int i) {
        return *widgets().nameBoxProxies.at(static_cast<std::size_t>(i));
    }
    QPushButton& namesOk() { return *widgets().namesOk; }
    QGraphicsProxyWidget& namesOkItem() { return *widgets().namesOkProxy; }
    void buildWidgets();
    // Runs connect now if the widgets exist, otherwise as soon as they are built.
    void whenWidgetsBuilt(std::function<void()> connect);

    // Stacking of the card images: in front of, or behind, every other card.
    void bringToFront(int code);
    void sendToBack(int code);

    // Writes the time of day in the clock and keeps it 10 units from the right edge
    // with its double underline.
    void setClockText(const QString& text);

  private:
    void buildCards();
    void buildLabels();

    QSizeF cardSize_;
    TableSurface* surface_;
    std::array<CardItem*, 41> cards_{};
    PictureItem* deck_ = nullptr;
    PictureItem* title_ = nullptr;
    std::array<TextPanel*, 5> declarations_{};
    TextPanel* clock_ = nullptr;
    QGraphicsLineItem* clockLine1_ = nullptr;
    QGraphicsLineItem* clockLine2_ = nullptr;
    TextPanel* rules_ = nullptr;
    TextPanel* about_ = nullptr;
    struct Widgets {
        QListWidget* signalList = nullptr;
        QGraphicsProxyWidget* signalListProxy = nullptr;
        std::array<QLineEdit*, 5> nameBoxes{};
        std::array<QGraphicsProxyWidget*, 5> nameBoxProxies{};
        QPushButton* namesOk = nullptr;
        QGraphicsProxyWidget* namesOkProxy = nullptr;
    };
    Widgets& widgets();

    Widgets widgets_;
    bool widgetsBuilt_ = false;
    std::vector<std::function<void()>> whenBuilt_;
    double frontZ_ = 1;
    double backZ_ = 0;
};

// Stacking levels of the items that are not cards.
namespace stacking {
inline constexpr double deck = -1e6;
inline constexpr double title = 1e7;
inline constexpr double labels = 2e7;
inline constexpr double widgets = 3e7;
inline constexpr double panels = 4e7;
}  // namespace stacking

}  // namespace morvello
