#include "KeyboardTabs.h"

#include "KeyboardTabBar.h"

KeyboardTabs::KeyboardTabs(const QString& name, int wrappedTabs, QWidget* parent)
    : QTabWidget(parent), m_tabBar(new KeyboardTabBar(wrappedTabs))
{
    setObjectName(name);
    setTabBar(m_tabBar);
}
