#include "Accessibility.h"

#include "AccessibleKey.h"
#include "AccessibleView.h"

#include <QAccessible>
#include <QRectF>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

QAccessibleInterface* terminalInterface(const QString& className, QObject* object)
{
    // asked for each class from the object's own upwards; a widget being destroyed is a plain QWidget by then, which
    // these names never match: the toolkit's own interface, which knows not to outlive it, answers for it
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("RedKey") || className == QLatin1String("CatalogueKey"))
        return new AccessibleKey(widget);
    if (className == QLatin1String("DesignView") || className == QLatin1String("MainWindow"))
        return new AccessibleView(widget);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(terminalInterface);
}

bool isSeen(const QWidget* widget)
{
    if (!widget->isVisible())
        return false;
    // the part of the widget left by each parent in turn, in that parent's coordinates
    QRect part = widget->rect();
    for (const QWidget* w = widget; !w->isWindow(); w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        part = part.translated(w->pos()) & parent->rect();
        if (part.isEmpty())
            return false;
        // a later sibling lies over it; one that lets taps through to it hides nothing
        const QObjectList& siblings = parent->children();
        for (auto it = siblings.crbegin(); it != siblings.crend() && *it != w; ++it) {
            const auto* sibling = qobject_cast<const QWidget*>(*it);
            if (sibling && !sibling->isWindow() && sibling->isVisible() &&
                !sibling->testAttribute(Qt::WA_TransparentForMouseEvents) && sibling->geometry().contains(part))
                return false;
        }
    }
    return true;
}

QRect screenBox(const QWidget* widget)
{
    const QRect box(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    const QWindow* window = widget->window()->windowHandle();
    const qreal ratio = window ? window->devicePixelRatio() : widget->devicePixelRatioF();
    if (qFuzzyCompare(ratio, 1))
        return box;
    // the toolkit scales a screen's content about the screen's corner, which keeps its place
    const QScreen* screen = window ? window->screen() : widget->screen();
    const QPointF corner = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
    return QRectF(corner + (QPointF(box.topLeft()) - corner) * ratio, QSizeF(box.size()) * ratio).toRect();
}

} // namespace Accessibility
