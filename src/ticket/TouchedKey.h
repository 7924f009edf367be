#pragma once

#include <QPalette>
#include <QPointer>

class CatalogueKey;

// While it lives, the caption of a touched product key is invisible: the waiter sees his touch taken until the
// terminal has dealt with it.
class TouchedKey final
{
public:
    // no key: nothing to hide
    explicit TouchedKey(CatalogueKey* key);
    ~TouchedKey() { release(); }
    TouchedKey(const TouchedKey&) = delete;
    TouchedKey& operator=(const TouchedKey&) = delete;

    // The caption in its own colour again.
    void release();

private:
    QPointer<CatalogueKey> m_key;
    QPalette m_palette;
};
