#include "AccessibleView.h"

#include "Accessibility.h"
#include "DesignView.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace {

// A widget that only holds others: a point over it is looked for further in.
bool onlyHolds(const QWidget* widget)
{
    // a list or a text box is a control of its own, though the toolkit makes it a scroll area too
    return widget->metaObject() == &QWidget::staticMetaObject || qobject_cast<const DesignView*>(widget) ||
           qobject_cast<const QStackedWidget*>(widget) || qobject_cast<const QTabWidget*>(widget) ||
           (qobject_cast<const QAbstractScrollArea*>(widget) && !qobject_cast<const QAbstractItemView*>(widget) &&
            !qobject_cast<const QPlainTextEdit*>(widget) && !qobject_cast<const QTextEdit*>(widget));
}

// The child in front at that point of the screen, in screen pixels: the one the waiter's finger would touch.
QWidget* childInFront(const QWidget* widget, const QPoint& point)
{
    const QObjectList& children = widget->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (child && !child->isWindow() && child->isVisible() &&
            !child->testAttribute(Qt::WA_TransparentForMouseEvents) && Accessibility::screenBox(child).contains(point))
            return child;
    }
    return nullptr;
}

} // namespace

AccessibleView::AccessibleView(QWidget* widget)
    : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client)
{
}

QAccessible::State AccessibleView::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!Accessibility::isSeen(widget()))
        state.invisible = true;
    return state;
}

QRect AccessibleView::rect() const
{
    return Accessibility::screenBox(widget());
}

int AccessibleView::childCount() const
{
    // what the waiter cannot see is not read to him either
    return Accessibility::isSeen(widget()) ? QAccessibleWidget::childCount() : 0;
}

QAccessibleInterface* AccessibleView::child(int index) const
{
    return Accessibility::isSeen(widget()) ? QAccessibleWidget::child(index) : nullptr;
}

int AccessibleView::indexOfChild(const QAccessibleInterface* child) const
{
    return Accessibility::isSeen(widget()) ? QAccessibleWidget::indexOfChild(child) : -1;
}

QAccessibleInterface* AccessibleView::childAt(int x, int y) const
{
    // the toolkit's own containers would compare the point with their children in units: the way down to the
    // control is taken here, in screen pixels, through whatever only holds controls
    if (!Accessibility::isSeen(widget()))
        return nullptr;
    const QPoint point(x, y);
    QWidget* found = nullptr;
    for (QWidget* holder = widget(); holder && (holder == widget() || onlyHolds(holder));) {
        QWidget* next = childInFront(holder, point);
        if (next)
            found = next;
        holder = next;
    }
    return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
}
