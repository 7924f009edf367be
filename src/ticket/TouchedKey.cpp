#include "TouchedKey.h"

#include "widgets/CatalogueKey.h"

TouchedKey::TouchedKey(CatalogueKey* key) : m_key(key)
{
    // hidden already by a tap still waiting its turn: that one shows it again
    if (!m_key || m_key->palette().color(QPalette::WindowText).alpha() == 0) {
        m_key = nullptr;
        return;
    }
    m_palette = m_key->palette();
    QPalette hidden = m_palette;
    hidden.setColor(QPalette::WindowText, Qt::transparent);
    m_key->setPalette(hidden);
}

void TouchedKey::release()
{
    if (m_key)
        m_key->setPalette(m_palette);
    m_key = nullptr;
}
