#include "AccessibleKey.h"

#include "Accessibility.h"
#include "CatalogueKey.h"
#include "RedKey.h"

#include <QLabel>
#include <QTimer>

AccessibleKey::AccessibleKey(QWidget* key) : QAccessibleWidget(key, QAccessible::Button) {}

QString AccessibleKey::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    if (const auto* key = qobject_cast<const RedKey*>(widget()))
        return key->caption()->text();
    if (const auto* key = qobject_cast<const CatalogueKey*>(widget()))
        return key->text();
    return QString();
}

QAccessible::State AccessibleKey::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!Accessibility::isSeen(widget()))
        state.invisible = true;
    return state;
}

QRect AccessibleKey::rect() const
{
    return Accessibility::screenBox(widget());
}

QStringList AccessibleKey::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleKey::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QWidget* key = widget();
    // a key the waiter cannot see cannot be tapped either
    if (!Accessibility::isSeen(key))
        return;
    // as the toolkit's buttons do: the reader has its answer at once, and the tap's handler runs from the event
    // loop, where a tap's would, so that its exchanges and messages never hold the reader up
    QTimer::singleShot(0, key, [key] {
        if (auto* red = qobject_cast<RedKey*>(key))
            red->press();
        else if (auto* catalogueKey = qobject_cast<CatalogueKey*>(key))
            catalogueKey->press();
    });
}

QStringList AccessibleKey::keyBindingsForAction(const QString&) const
{
    return {};
}
