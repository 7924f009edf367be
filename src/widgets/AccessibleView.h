#pragma once

#include <QAccessibleWidget>

// What a screen reader sees of a window, a view or a panel: nothing inside it while the waiter cannot see it, its
// box in screen pixels, and, under a point, the control in front rather than the first one made there.
class AccessibleView : public QAccessibleWidget
{
public:
    explicit AccessibleView(QWidget* widget);

    QAccessible::State state() const override;
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
};
