#include "app/menu_accessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace morvello {
namespace {

// A caption as spoken: without its access-key ampersand and its padding.
QString spokenCaption(const QString& caption) {
    return QString(caption).remove(QLatin1Char('&')).trimmed();
}

bool isPadded(const QString& caption) {
    return caption != caption.trimmed();
}

// The menu bar or menu that shows the action.
QWidget* ownerOf(const QAction& action) {
    for (QObject* object : action.associatedObjects())
        if (qobject_cast<QMenuBar*>(object) || qobject_cast<QMenu*>(object))
            return static_cast<QWidget*>(object);
    return nullptr;
}

QAction* activeActionOf(QWidget* owner) {
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) return bar->activeAction();
    if (auto* menu = qobject_cast<QMenu*>(owner)) return menu->activeAction();
    return nullptr;
}

QRect actionGeometryIn(QWidget* owner, QAction* action) {
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) return bar->actionGeometry(action);
    if (auto* menu = qobject_cast<QMenu*>(owner)) return menu->actionGeometry(action);
    return {};
}

// A padded item of the menu bar (or of a menu): a menu item like any other,
// named by its caption without the padding. Pressed, it opens its menu or
// does its command.
class TrimmedMenuItem final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit TrimmedMenuItem(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && ownerOf(*action_); }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QWidget* owner = ownerOf(*action_);
        return owner ? owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(ownerOf(*action_));
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu()
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? spokenCaption(action_->text()) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QWidget* owner = ownerOf(*action_);
        const QRect local = actionGeometryIn(owner, action_);
        return owner ? QRect(owner->mapToGlobal(local.topLeft()), local.size()) : QRect();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        QWidget* owner = ownerOf(*action_);
        s.focusable = true;
        s.disabled = !action_->isEnabled();
        s.invisible = !action_->isVisible() || !owner || !owner->isVisible();
        s.hasPopup = action_->menu() != nullptr;
        s.focused = s.hotTracked = activeActionOf(owner) == action_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (name != actionNames().constFirst() || !action_->isEnabled()) return;
        QWidget* owner = ownerOf(*action_);
        if (auto* bar = qobject_cast<QMenuBar*>(owner); bar && action_->menu())
            bar->setActiveAction(action_);
        else if (auto* menu = qobject_cast<QMenu*>(owner); menu && action_->menu())
            menu->setActiveAction(action_);
        else
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QAction> action_;
};

QAccessibleInterface* trimmedItemFactory(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || !isPadded(action->text()))
        return nullptr;
    return new TrimmedMenuItem(action);
}

}  // namespace

void speakMenuCaptionsTrimmed(QMenuBar& menuBar) {
    static const bool installed = [] {
        QAccessible::installFactory(trimmedItemFactory);
        return true;
    }();
    (void)installed;
    for (QMenu* menu : menuBar.findChildren<QMenu*>())
        if (isPadded(menu->title())) menu->setAccessibleName(spokenCaption(menu->title()));
}

}  // namespace morvello
