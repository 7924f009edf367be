#pragma once

#include <QPalette>
#include <QPointer>

class TapCaption;

// While it lives, the caption of a touched product key is invisible: the waiter sees his touch taken until the
// terminal has dealt with it.
class TouchedKey final
{
public:
    // no caption: nothing to hide
    explicit TouchedKey(TapCaption* caption);
    ~TouchedKey() { release(); }
    TouchedKey(const TouchedKey&) = delete;
    TouchedKey& operator=(const TouchedKey&) = delete;

    // The caption in its own colour again.
    void release();

private:
    QPointer<TapCaption> m_caption;
    QPalette m_palette;
};
