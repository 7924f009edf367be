#pragma once

#include <QObject>

// While it lives, every touch, click and key of the application is dropped.
class InputBlocker final : public QObject
{
    Q_OBJECT

public:
    InputBlocker();
    ~InputBlocker() override;

    // Keeps the window drawing for that long while no input is taken and no socket is served.
    static void holdFor(int ms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
