#include "table/table_accessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QWindow>
#include <algorithm>
#include <array>
#include <vector>

#include "rules/play_rules.h"
#include "table/game_words.h"

namespace morvello {
namespace {

constexpr int kDeckCode = 0;  // the deck among the table's accessible items

struct AccessibleTable {
    ScaledView* view;
    QtTable* table;
    TableScene* scene;
    std::array<QAccessible::Id, kCardCount + 1> ids{};  // the items' interfaces, made on demand
    std::vector<std::pair<int, QString>> told;          // the items and names last told
};

QHash<const QObject*, AccessibleTable>& tables() {
    static QHash<const QObject*, AccessibleTable> all;
    return all;
}

// The items the view shows as its children, in order: the deck, the hand, then
// the cards on the table from the viewer's round.
std::vector<int> shownItems(const AccessibleTable& t) {
    std::vector<int> items;
    if (t.scene->deck().isVisible()) items.push_back(kDeckCode);
    const SeatView view = t.table->view();
    for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
        const Byte card = t.table->fan()[static_cast<std::size_t>(slot)];
        if (card != 0 && holdsUnplayed(view, card)) items.push_back(card);
    }
    const std::array<Byte, 5> trick = trickOnTable(view);
    for (Byte place = 1; place <= 4; ++place) {
        const Byte card = trick[t.table->seatAt(place)];
        if (card != 0) items.push_back(card);
    }
    return items;
}

// "Right: Six of Coppe" for a card on the table, the card's name for one in hand.
QString itemName(const AccessibleTable& t, int code) {
    if (code == kDeckCode) return QCoreApplication::translate("Accessible", kDeckAccessibleName);
    const SeatView view = t.table->view();
    const std::array<Byte, 5> trick = trickOnTable(view);
    const QString card = cardName(code);
    for (Byte seat = 1; seat <= 4; ++seat) {
        if (trick[seat] == code)
            //: A card on the table: who played it, then the card.
            return QCoreApplication::translate("Accessible", "%1: %2")
                .arg(QString::fromStdString(view.playerNames[seat - 1u]), card);
    }
    return card;
}

// One item of the table: a card of the hand, or the deck. Pressing it is a
// click on it.
class ItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(const QObject* view, int code) : view_(view), code_(code) {}

    bool isValid() const override { return tables().contains(view_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return isValid() ? table().view->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return isValid() ? QAccessible::queryAccessibleInterface(table().view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return isValid() ? itemName(table(), code_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.invisible = !shown();
        s.focused = shown() && code_ != kDeckCode && table().table->marks().focus() == code_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !shown()) return;
        QtTable& t = *table().table;
        if (code_ == kDeckCode) {
            t.onDeckClick();
            return;
        }
        t.onCardPress(code_, Qt::LeftButton);
        t.onCardRelease(code_, Qt::LeftButton);
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QGraphicsItem& item = code_ == kDeckCode
                                        ? static_cast<QGraphicsItem&>(table().scene->deck())
                                        : table().scene->card(code_);
        const QRect local = table().view->mapFromScene(item.sceneBoundingRect()).boundingRect();
        return QRect(table().view->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

  private:
    const AccessibleTable& table() const { return *tables().find(view_); }
    bool shown() const {
        if (!isValid()) return false;
        const std::vector<int> items = shownItems(table());
        return std::find(items.begin(), items.end(), code_) != items.end();
    }

    const QObject* view_;
    int code_;
};

// The interface of a table item, made the first time it is asked for.
QAccessibleInterface* itemInterface(AccessibleTable& t, int code) {
    QAccessible::Id& id = t.ids[static_cast<std::size_t>(code)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new ItemAccessible(t.view, code));
    return QAccessible::accessibleInterface(id);
}

class TableAccessible final : public QAccessibleWidget {
  public:
    explicit TableAccessible(QWidget* view)
        : QAccessibleWidget(view, QAccessible::Pane,
                            QCoreApplication::translate("Accessible", kTableAccessibleName)) {}

    int childCount() const override { return static_cast<int>(shownItems(table()).size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<int> items = shownItems(table());
        if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
        return itemInterface(table(), items[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const int focused = table().table->marks().focus();
        return focused != 0 ? itemInterface(table(), focused) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name
                   ? QCoreApplication::translate("Accessible", kTableAccessibleName)
                   : QAccessibleWidget::text(t);
    }

  private:
    AccessibleTable& table() const { return *tables().find(object()); }
};

// The application's children are its shown windows: the widgets the table
// embeds (the signal list, the name boxes and their OK) are windows of their
// own, and stay out of the tree while hidden.
class ShownWindowsApplication final : public QAccessibleApplication {
  public:
    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> shown = shownChildren();
        return index >= 0 && index < static_cast<int>(shown.size())
                   ? shown[static_cast<std::size_t>(index)]
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> shown = shownChildren();
        const auto at = std::find(shown.begin(), shown.end(), child);
        return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
    }

  private:
    std::vector<QAccessibleInterface*> shownChildren() const {
        std::vector<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
            QAccessibleInterface* window = QAccessibleApplication::child(i);
            if (window && !window->state().invisible) shown.push_back(window);
        }
        return shown;
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (object && object == qApp && className == QLatin1String("QApplication"))
        return new ShownWindowsApplication;
    if (!object || !tables().contains(object)) return nullptr;
    return new TableAccessible(static_cast<QWidget*>(object));
}

}  // namespace

void makeTableAccessible(ScaledView& view, QtTable& table, TableScene& scene) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
    tables().insert(&view, AccessibleTable{&view, &table, &scene, {}, {}});
    QObject::connect(&view, &QObject::destroyed, [key = static_cast<const QObject*>(&view)] {
        const auto found = tables().find(key);
        if (found == tables().end()) return;
        const auto ids = found->ids;
        tables().erase(found);
        for (const QAccessible::Id id : ids)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    });
}

void announceFocus(ScaledView& view, int card) {
    const auto found = tables().find(&view);
    if (!QAccessible::isActive() || found == tables().end() || card == 0) return;
    QAccessibleEvent focused(itemInterface(*found, card), QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

void announceTableChanges(ScaledView& view) {
    const auto found = tables().find(&view);
    if (!QAccessible::isActive() || found == tables().end()) return;
    AccessibleTable& t = *found;
    std::vector<std::pair<int, QString>> now;
    for (const int code : shownItems(t)) now.emplace_back(code, itemName(t, code));
    const auto has = [](const std::vector<std::pair<int, QString>>& items, int code) {
        return std::any_of(items.begin(), items.end(),
                           [code](const auto& i) { return i.first == code; });
    };
    const auto tell = [&t](int code, QAccessible::Event what) {
        QAccessibleEvent event(itemInterface(t, code), what);
        QAccessible::updateAccessibility(&event);
    };
    for (const auto& [code, name] : t.told)
        if (!has(now, code)) tell(code, QAccessible::ObjectHide);
    for (const auto& item : now) {
        const auto before = std::find_if(t.told.begin(), t.told.end(),
                                         [&item](const auto& i) { return i.first == item.first; });
        if (before == t.told.end())
            tell(item.first, QAccessible::ObjectShow);
        else if (before->second != item.second)
            tell(item.first, QAccessible::NameChanged);
    }
    t.told = std::move(now);
}

}  // namespace morvello
