#include "PlanView.h"

#include "widgets/FixedSizeTabs.h"
#include "widgets/Palette.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QWidget* room(const QString& name)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    return page;
}

} // namespace

PlanView::PlanView(QWidget* parent)
    : DesignView(QStringLiteral("plan"), QSizeF(383, 613), parent), m_planPanel(new QWidget),
      m_roomTabs(new FixedSizeTabs(QSize(127, 49))), m_room1Page(room(QStringLiteral("TabItem9"))),
      m_room2Page(room(QStringLiteral("TabItem10"))), m_room3Page(room(QStringLiteral("TabItem11"))),
      m_closeButton(new QPushButton(QStringLiteral("Quitter")))
{
    setBackground(Palette::Background);
    m_planPanel->setObjectName(QStringLiteral("Panel15"));

    m_roomTabs->setObjectName(QStringLiteral("TabControl1"));
    m_roomTabs->addTab(m_room1Page, QStringLiteral("Salle 1"));
    m_roomTabs->addTab(m_room2Page, QStringLiteral("Salle 2"));
    m_roomTabs->addTab(m_room3Page, QStringLiteral("Salle 3"));
    m_roomTabs->setCurrentIndex(0);

    m_closeButton->setObjectName(QStringLiteral("Button16"));
    m_closeButton->setFixedHeight(28);

    // the rooms take all the height the Quitter strip leaves
    auto* layout = new QVBoxLayout(m_planPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_roomTabs, 1);
    layout->addWidget(m_closeButton);
    fill(m_planPanel);
}
