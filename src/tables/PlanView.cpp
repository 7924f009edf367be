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
    : DesignView(QStringLiteral("plan"), QSizeF(383, 613), parent), m_panel15(new QWidget),
      m_tabControl1(new FixedSizeTabs(QSize(127, 49))), m_tabItem9(room(QStringLiteral("TabItem9"))),
      m_tabItem10(room(QStringLiteral("TabItem10"))), m_tabItem11(room(QStringLiteral("TabItem11"))),
      m_button16(new QPushButton(QStringLiteral("Quitter")))
{
    setBackground(Palette::Background);
    m_panel15->setObjectName(QStringLiteral("Panel15"));

    m_tabControl1->setObjectName(QStringLiteral("TabControl1"));
    m_tabControl1->addTab(m_tabItem9, QStringLiteral("Salle 1"));
    m_tabControl1->addTab(m_tabItem10, QStringLiteral("Salle 2"));
    m_tabControl1->addTab(m_tabItem11, QStringLiteral("Salle 3"));
    m_tabControl1->setCurrentIndex(0);

    m_button16->setObjectName(QStringLiteral("Button16"));
    m_button16->setFixedHeight(28);

    // the rooms take all the height the Quitter strip leaves
    auto* layout = new QVBoxLayout(m_panel15);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabControl1, 1);
    layout->addWidget(m_button16);
    fill(m_panel15);
}
