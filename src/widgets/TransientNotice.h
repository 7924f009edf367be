#pragma once

#include <QLabel>

class Navigation;

// A short notice laid across the middle of a view ("Aucune table libre actuellement"), shown for a number of
// rounds of UI events and 10 ms pauses while its handler waits.
class TransientNotice final : public QLabel
{
    Q_OBJECT

public:
    static constexpr int DesignHeight = 91;

    // window: the widget the notice belongs to
    explicit TransientNotice(QWidget* window);

    // "\r" in the text starts a second line. screens brings the notice to the front and takes it away.
    void showOver(Navigation& screens, QWidget* view, const QString& text, int rounds);
};
