#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Keeps the keyboard on the view the waiter sees. Whenever a view of the window is shown, hidden or raised, and
// whenever the control holding the focus is hidden with its panel, the view then in front takes the focus, onto its
// first text box or, without one, onto itself; a key typed on a view without a text box (a keyboard's, a barcode
// reader's) then changes nothing, never a box of a view or panel left behind.
class FrontFocus final : public QObject
{
public:
    using FrontView = std::function<QWidget*()>;

    // Follows the views of the window, the direct children of it.
    FrontFocus(QWidget* window, FrontView frontView);

    // Brings the focus into the view in front, unless it is on a shown control of that view already.
    void focusFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    FrontView m_frontView;
};
