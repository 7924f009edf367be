#pragma once

#include "widgets/Touch.h"

#include <QTabBar>

#include <map>
#include <utility>

class QStylePainter;

// The tabs of the product keyboards: one row at a fixed height whose first tabs wrap their caption on
// narrow tabs; the row scrolls when the keyboard names do not fit the width.
class KeyboardTabBar final : public QTabBar
{
public:
    static constexpr int TabHeight = 49;
    static constexpr int WrapWidth = 64;
    // A tab never grows wider than the row leaves between its two arrows, so that an arrow can always bring it
    // whole into view: a longer keyboard name is cut with an ellipsis.
    static constexpr int RowWidth = 403;
    static constexpr int WidestTab = RowWidth - 2 * FingerSize;

    explicit KeyboardTabBar(int wrappedTabs, QWidget* parent = nullptr);

    bool wraps(int index) const { return index < m_wrappedTabs; }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int Margin = 6;

    void drawTab(QStylePainter& painter, int index) const;
    int captionFlags(int index) const;
    int captionWidth(int index) const;

    int m_wrappedTabs;
    // the bar asks every tab for its size each time one is added or renamed: a caption is measured once per font
    mutable std::map<std::pair<int, QString>, int> m_captionWidths;
};
