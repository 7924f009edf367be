#include "KeyboardTabBar.h"

#include <QEvent>
#include <QProxyStyle>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace {

// The arrows that scroll a row of long keyboard names take a finger.
class FingerScrollButtons final : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarScrollButtonWidth)
            return FingerSize;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

KeyboardTabBar::KeyboardTabBar(int wrappedTabs, QWidget* parent) : QTabBar(parent), m_wrappedTabs(wrappedTabs)
{
    auto* style = new FingerScrollButtons;
    style->setParent(this);
    setStyle(style);
    setElideMode(Qt::ElideNone);
    // the tabs share the row; a row of names too long for it scrolls
    setExpanding(true);
    setUsesScrollButtons(true);
    setDrawBase(false);
}

QSize KeyboardTabBar::tabSizeHint(int index) const
{
    return {std::min(captionWidth(index) + 2 * Margin, WidestTab), TabHeight};
}

int KeyboardTabBar::captionWidth(int index) const
{
    const int flags = captionFlags(index);
    const QString text = tabText(index);
    const auto [known, isNew] = m_captionWidths.try_emplace({flags, text});
    if (isNew) {
        const QFontMetrics metrics(font());
        const int textWidth = wraps(index)
                                  ? metrics.boundingRect(QRect(0, 0, WrapWidth, TabHeight), flags, text).width()
                                  : metrics.horizontalAdvance(text);
        known->second = qMax(textWidth, metrics.height());
    }
    return known->second;
}

QSize KeyboardTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void KeyboardTabBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_captionWidths.clear();
    QTabBar::changeEvent(event);
}

void KeyboardTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const int current = currentIndex();
    // the current tab last, so that its shape overlaps its neighbours as the platform draws it
    for (int index = 0; index < count(); ++index) {
        if (index != current)
            drawTab(painter, index);
    }
    if (current >= 0)
        drawTab(painter, current);
}

void KeyboardTabBar::drawTab(QStylePainter& painter, int index) const
{
    if (!isTabVisible(index))
        return;
    QStyleOptionTab option;
    initStyleOption(&option, index);
    if (!option.rect.intersects(rect()))
        return;
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    painter.setPen(palette().color(isTabEnabled(index) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect captionRect = option.rect.adjusted(Margin, 0, -Margin, 0);
    if (captionWidth(index) <= captionRect.width()) {
        painter.drawText(captionRect, captionFlags(index), tabText(index));
        return;
    }
    const QString cut = painter.fontMetrics().elidedText(tabText(index), Qt::ElideRight, captionRect.width());
    painter.drawText(captionRect, captionFlags(index) & ~Qt::TextWordWrap, cut);
}

int KeyboardTabBar::captionFlags(int index) const
{
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeading | Qt::AlignVCenter);
    return int(alignment) | (wraps(index) ? Qt::TextWordWrap : 0);
}
