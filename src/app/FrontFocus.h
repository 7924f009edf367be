#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Keeps the keyboard on the view the waiter sees. Whenever a view is shown, hidden or raised, the view then in front
// takes the focus, onto its first text box or, without one, onto itself; a key typed on a view without a text box
// (a keyboard's, a barcode reader's) then changes nothing, never a box of a view left behind.
class FrontFocus final : public QObject
{
public:
    using FrontView = std::function<QWidget*()>;

    explicit FrontFocus(FrontView frontView);

    // The view's showing, hiding and raising move the focus from now on.
    void watch(QWidget* view);
    // Brings the focus into the view in front, unless it is on a control of that view already.
    void focusFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrontView m_frontView;
};
