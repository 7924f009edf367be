#include "Touch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScroller>
#include <QStyleHints>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

class FingerRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), FingerSize));
        return size;
    }
};

// Puts the taps Qt's kinetic scrolling holds back where the finger was. On a press over a box that can scroll, the
// flick gesture keeps a copy of the press and sends it (and a copy of the release) to the control under the finger
// only once the finger has left without dragging. Under a scale factor, Qt 6.4 sends those copies with positions in
// device pixels read as units (the copy shares its event point with the mouse's, which Qt rewrites in device pixels
// as the release comes in): a tap on the first row of a list lands on the fourth at 1.95. The scroller was told the
// press's true position when it prepared to scroll, and the window the release's: the copies are sent again there,
// with the double click that the gesture swallowed while it held the second press of a double tap.
class HeldTaps final : public QObject
{
public:
    // Watches every event of the application once, from the first box a finger pans.
    static void install()
    {
        static QPointer<HeldTaps> taps;
        if (!taps)
            taps = new HeldTaps(qApp);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ScrollPrepare:
            // sent by the scroller to the viewport at each press, before the press itself is held or let through
            m_viewport = qobject_cast<QWidget*>(watched);
            m_pressSentAgain = false;
            if (m_viewport)
                m_pressAt = m_viewport->mapToGlobal(static_cast<QScrollPrepareEvent*>(event)->startPos());
            return false;
        case QEvent::MouseButtonPress:
            // the window has the press as the window system gave it, before any control or gesture
            if (watched->isWindowType()) {
                m_doubleClickHeld = makesDoubleClick(static_cast<QMouseEvent*>(event));
                m_fingerUp = false;
                return false;
            }
            return m_viewport && watched->isWidgetType() &&
                   sendAgain(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event), m_pressAt);
        case QEvent::MouseButtonDblClick:
            // a double click that reached a control was not held
            if (watched->isWidgetType())
                m_doubleClickHeld = false;
            return false;
        case QEvent::MouseButtonRelease:
            // the window has the release as the window system gave it, before any control or gesture
            if (watched->isWindowType()) {
                m_releaseAt = static_cast<QMouseEvent*>(event)->globalPosition();
                m_fingerUp = true;
                return false;
            }
            return m_viewport && watched->isWidgetType() &&
                   sendAgain(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event), m_releaseAt);
        default:
            return false;
        }
    }

private:
    explicit HeldTaps(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

    // Sends a press or release of the box's last press again where the finger was, when it came elsewhere.
    bool sendAgain(QWidget* receiver, QMouseEvent* event, const QPointF& global)
    {
        if (!isInViewport(receiver))
            return false;
        const QScroller::State state = QScroller::scroller(m_viewport)->state();
        const bool release = event->type() == QEvent::MouseButtonRelease;
        if (release)
            m_viewport = nullptr; // one press, one release: a later press prepares again
        // a pan ends its held press with a release far outside, which must stay there; a release follows its press
        if (state == QScroller::Dragging || state == QScroller::Scrolling || event->button() != Qt::LeftButton ||
            (release && !m_pressSentAgain))
            return false;
        const QPointF local = receiver->mapFromGlobal(global);
        // the second press of a double tap is followed by its double click, which the gesture swallowed
        const bool doubleClick = !release && m_doubleClickHeld && m_fingerUp;
        if ((event->position() - local).manhattanLength() < 1 && !doubleClick)
            return false;
        const QPointF inWindow = receiver->window()->mapFromGlobal(global);
        QMouseEvent again(event->type(), local, inWindow, global, event->button(), event->buttons(), event->modifiers(),
                          event->pointingDevice());
        m_pressSentAgain = !release;
        m_doubleClickHeld = false;
        QCoreApplication::sendEvent(receiver, &again);
        if (doubleClick) {
            QMouseEvent twice(QEvent::MouseButtonDblClick, local, inWindow, global, event->button(), event->buttons(),
                              event->modifiers(), event->pointingDevice());
            QCoreApplication::sendEvent(receiver, &twice);
        }
        event->accept();
        return true;
    }

    // Whether a press seen by the window makes a double click with the one before, as the toolkit counts them.
    bool makesDoubleClick(const QMouseEvent* press)
    {
        const QStyleHints* hints = QGuiApplication::styleHints();
        const bool second =
            press->button() == m_lastPressButton &&
            press->timestamp() - m_lastPressTime < ulong(hints->mouseDoubleClickInterval()) &&
            (press->globalPosition() - m_lastPressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
        // a third press starts again
        m_lastPressButton = second ? Qt::NoButton : press->button();
        m_lastPressTime = press->timestamp();
        m_lastPressAt = press->globalPosition();
        return second;
    }

    bool isInViewport(const QWidget* widget) const { return widget == m_viewport || m_viewport->isAncestorOf(widget); }

    QPointer<QWidget> m_viewport;   // the box that took the last press, until its release
    QPointF m_pressAt;              // where that press was, in global units
    QPointF m_releaseAt;            // where the finger last left the screen, in global units
    bool m_pressSentAgain = false;  // whether that press came elsewhere and was sent again
    bool m_doubleClickHeld = false; // whether that press made a double click the gesture kept from the controls
    bool m_fingerUp = true;         // a press sent once the finger has left is the gesture's copy
    Qt::MouseButton m_lastPressButton = Qt::NoButton; // the window's last press, for double clicks
    ulong m_lastPressTime = 0;
    QPointF m_lastPressAt;
};

} // namespace

void enableTouchPanning(QAbstractScrollArea* area)
{
    // touches the control does not take itself reach it as mouse presses, so one gesture serves both
    QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
    HeldTaps::install();
}

void fitRowsToFinger(QAbstractItemView* list)
{
    list->setItemDelegate(new FingerRows(list));
}
