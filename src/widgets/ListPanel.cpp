#include "ListPanel.h"

#include "CheckList.h"
#include "Palette.h"

#include <QPushButton>

ListPanel::ListPanel(const Parts& parts, QWidget* parent)
    : DesignView(parts.name, parts.designSize, parent), m_button(new QPushButton(parts.caption)),
      m_list(
          new CheckList(parts.listName, parts.highlight ? CheckList::Highlight::Platform : CheckList::Highlight::None))
{
    setBackground(Palette::Background);
    m_button->setObjectName(parts.buttonName);
    dockTop(m_button, parts.stripHeight);
    m_list->setParent(this);
}

ListPanel* ListPanel::createHidden(const Parts& parts)
{
    auto* panel = new ListPanel(parts);
    panel->hide();
    return panel;
}

void ListPanel::resizeEvent(QResizeEvent* event)
{
    DesignView::resizeEvent(event);
    // the list takes whatever the strip leaves
    const int top = m_button->geometry().bottom() + 1;
    m_list->setGeometry(0, top, width(), qMax(0, height() - top));
}
