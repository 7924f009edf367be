#include "DesignView.h"

#include <QPainter>

#include <algorithm>

DesignView::DesignView(const QString& name, const QSizeF& designSize, QWidget* parent)
    : QWidget(parent), m_designSize(designSize)
{
    setObjectName(name);
}

void DesignView::setBackground(const QColor& colour)
{
    m_background = colour;
    update();
}

void DesignView::setStretched(bool stretched)
{
    m_stretched = stretched;
    layoutControls();
}

void DesignView::place(QWidget* control, const QRectF& designBox)
{
    adopt(control);
    m_items.push_back({control, Placement::Scaled, designBox});
    layoutControls();
}

void DesignView::dockTop(QWidget* control, qreal height)
{
    adopt(control);
    m_items.push_back({control, Placement::Top, QRectF(0, 0, 0, height)});
    layoutControls();
}

void DesignView::dockBottom(QWidget* control, qreal height)
{
    adopt(control);
    m_items.push_back({control, Placement::Bottom, QRectF(0, 0, 0, height)});
    layoutControls();
}

void DesignView::fill(QWidget* control)
{
    adopt(control);
    m_items.push_back({control, Placement::Fill, {}});
    layoutControls();
}

void DesignView::moveHere(QWidget* control)
{
    if (control->parentWidget() == this)
        return;
    // the view it leaves must not lay it out any more
    if (auto* holder = qobject_cast<DesignView*>(control->parentWidget()))
        holder->release(control);
    fill(control);
}

void DesignView::release(QWidget* control)
{
    m_items.erase(
        std::remove_if(m_items.begin(), m_items.end(), [control](const Item& item) { return item.control == control; }),
        m_items.end());
}

void DesignView::pin(QWidget* control, const QRect& box)
{
    const auto item =
        std::find_if(m_items.begin(), m_items.end(), [control](const Item& each) { return each.control == control; });
    if (item != m_items.end()) {
        item->placement = Placement::Pinned;
        item->box = box;
    } else {
        adopt(control);
        m_items.push_back({control, Placement::Pinned, box});
    }
    control->setGeometry(box);
}

QRect DesignView::scaledBox(const QRectF& designBox) const
{
    return scaledBox(designBox, size());
}

QRect DesignView::scaledBox(const QRectF& designBox, const QSize& viewSize) const
{
    const qreal sx = viewSize.width() / m_designSize.width();
    const qreal sy = viewSize.height() / m_designSize.height();
    const QRectF box(designBox.x() * sx, designBox.y() * sy, designBox.width() * sx, designBox.height() * sy);
    return box.toRect();
}

QRect DesignView::boxOf(const QWidget* control) const
{
    return boxOf(control, size());
}

QRect DesignView::boxOf(const QWidget* control, const QSize& viewSize) const
{
    for (const Item& item : m_items) {
        if (item.control != control)
            continue;
        if (item.placement == Placement::Scaled)
            return scaledBox(item.box, viewSize);
        if (item.placement == Placement::Pinned)
            return item.box.toRect();
    }
    return control->geometry();
}

void DesignView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void DesignView::paintEvent(QPaintEvent* event)
{
    if (m_background.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), m_background);
    }
    QWidget::paintEvent(event);
}

void DesignView::adopt(QWidget* control)
{
    if (auto* owner = qobject_cast<DesignView*>(control->parentWidget())) {
        auto& items = owner->m_items;
        items.erase(
            std::remove_if(items.begin(), items.end(), [control](const Item& item) { return item.control == control; }),
            items.end());
    }
    control->setParent(this);
}

void DesignView::layoutControls()
{
    const qreal sy = m_stretched ? height() / m_designSize.height() : 1.0;
    if (m_stretched)
        stretchFonts(width() / m_designSize.width(), sy);
    int top = 0;
    int bottom = height();
    for (const Item& item : m_items) {
        // a floating panel moved over another view is laid out there
        if (item.control->parentWidget() != this)
            continue;
        const int strip = qRound(item.box.height() * sy);
        switch (item.placement) {
        case Placement::Scaled:
            item.control->setGeometry(scaledBox(item.box));
            break;
        case Placement::Top:
            item.control->setGeometry(0, top, width(), strip);
            top += strip;
            break;
        case Placement::Bottom:
            bottom -= strip;
            item.control->setGeometry(0, bottom, width(), strip);
            break;
        case Placement::Fill:
            item.control->setGeometry(rect());
            break;
        case Placement::Pinned:
            item.control->setGeometry(item.box.toRect());
            break;
        }
    }
}

void DesignView::stretchFonts(qreal sx, qreal sy)
{
    if (sx <= 0 || sy <= 0)
        return;
    // each control keeps its design font, so the stretch never compounds; glyphs are widened or narrowed as the
    // view is, not only made taller
    m_stretchedFonts.addChildren(this);
    m_stretchedFonts.apply(sy, qBound(1, qRound(100 * sx / sy), 4000));
}
