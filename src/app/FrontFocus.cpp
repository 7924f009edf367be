#include "FrontFocus.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include <utility>

namespace {

// The first box of the view, in its focus order, that a key typed would write into.
QWidget* firstTextBox(QWidget* view)
{
    for (QWidget* w = view->nextInFocusChain(); w != view; w = w->nextInFocusChain()) {
        const auto* box = qobject_cast<const QLineEdit*>(w);
        if (box && view->isAncestorOf(box) && box->isVisible() && box->isEnabled() && !box->isReadOnly() &&
            (box->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

} // namespace

FrontFocus::FrontFocus(QWidget* window, FrontView frontView) : m_window(window), m_frontView(std::move(frontView))
{
    // a panel hiding the control that holds the focus says so to none but itself
    qApp->installEventFilter(this);
}

void FrontFocus::focusFront()
{
    QWidget* front = m_frontView();
    if (!front)
        return;
    const QWidget* focus = m_window->focusWidget();
    if (focus && focus->isVisible() && (focus == front || front->isAncestorOf(focus)))
        return;
    QWidget* box = firstTextBox(front);
    (box ? box : front)->setFocus(Qt::OtherFocusReason);
}

bool FrontFocus::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ZOrderChange:
        if (watched->parent() == m_window && watched->isWidgetType())
            focusFront();
        break;
    case QEvent::Hide:
        if (watched->parent() == m_window && watched->isWidgetType()) {
            focusFront();
        } else if (const QWidget* focus = m_window->focusWidget()) {
            const auto* hidden = qobject_cast<const QWidget*>(watched);
            if (hidden && (hidden == focus || hidden->isAncestorOf(focus)))
                focusFront();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
