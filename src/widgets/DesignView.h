#pragma once

#include "ScaledFonts.h"

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QWidget>

#include <vector>

// A view drawn in design units. Scaled controls keep their design box in proportion to the view's
// actual size; docked controls are strips across the whole width; filling controls cover the view.

class DesignView : public QWidget
{
    Q_OBJECT

public:
    // The window the views are designed for: their design fonts are right at this size.
    static constexpr QSize DesignWindow{403, 651};

    DesignView(const QString& name, const QSizeF& designSize, QWidget* parent = nullptr);

    QSizeF designSize() const { return m_designSize; }
    void setBackground(const QColor& colour);

    // A stretched view is drawn at its design size and stretched as a whole: docked strips and the
    // fonts of every control inside it follow the view's size too.
    void setStretched(bool stretched);
    bool isStretched() const { return m_stretched; }

    void place(QWidget* control, const QRectF& designBox);
    void dockTop(QWidget* control, qreal height);
    void dockBottom(QWidget* control, qreal height);
    // A control filled in again, or moved here from another view, is laid out by this view alone.
    void fill(QWidget* control);
    // Fills this view with a control another design view holds: a floating panel brought where it is needed.
    void moveHere(QWidget* control);
    // Keeps a control at a box in actual units whatever size the view takes later: for places computed
    // for the device at run time.
    void pin(QWidget* control, const QRect& box);

    // The box a design box takes at the view's current size.
    QRect scaledBox(const QRectF& designBox) const;
    // The box the layout gives a scaled or pinned control at the view's current size, also while a hidden
    // view has not laid its controls out yet. A control the view does not place gives its geometry.
    QRect boxOf(const QWidget* control) const;
    // The same at a size the view does not have now.
    QRect boxOf(const QWidget* control, const QSize& viewSize) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Placement
    {
        Scaled,
        Top,
        Bottom,
        Fill,
        Pinned,
    };
    struct Item
    {
        QWidget* control;
        Placement placement;
        QRectF box;
    };

    // A control is laid out by the one view it lies on: one moved here is forgotten by the view it came from.
    void adopt(QWidget* control);
    void layoutControls();
    QRect scaledBox(const QRectF& designBox, const QSize& viewSize) const;
    void release(QWidget* control);
    void stretchFonts(qreal sx, qreal sy);

    QSizeF m_designSize;
    QColor m_background;
    std::vector<Item> m_items;
    bool m_stretched = false;
    ScaledFonts m_stretchedFonts;
};
