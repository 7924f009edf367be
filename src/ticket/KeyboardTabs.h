#pragma once

#include <QTabWidget>

class KeyboardTabBar;

// The product keyboards: one tab per keyboard, its page the place of that keyboard's keys.
class KeyboardTabs final : public QTabWidget
{
public:
    KeyboardTabs(const QString& name, int wrappedTabs, QWidget* parent = nullptr);

    KeyboardTabBar* keyboardTabBar() const { return m_tabBar; }

private:
    KeyboardTabBar* m_tabBar;
};
