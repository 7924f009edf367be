#include "FrontFocus.h"

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

FrontFocus::FrontFocus(FrontView frontView) : m_frontView(std::move(frontView)) {}

void FrontFocus::watch(QWidget* view)
{
    view->installEventFilter(this);
}

void FrontFocus::focusFront()
{
    QWidget* front = m_frontView();
    if (!front)
        return;
    const QWidget* focus = front->window()->focusWidget();
    if (focus && focus->isVisible() && (focus == front || front->isAncestorOf(focus)))
        return;
    QWidget* box = firstTextBox(front);
    (box ? box : front)->setFocus(Qt::OtherFocusReason);
}

bool FrontFocus::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        focusFront();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
