#include "TouchedKey.h"

#include "widgets/TapCaption.h"

TouchedKey::TouchedKey(TapCaption* caption) : m_caption(caption)
{
    if (!m_caption)
        return;
    m_palette = m_caption->palette();
    QPalette hidden = m_palette;
    hidden.setColor(QPalette::WindowText, Qt::transparent);
    m_caption->setPalette(hidden);
}

void TouchedKey::release()
{
    if (m_caption)
        m_caption->setPalette(m_palette);
    m_caption = nullptr;
}
