#include "ParkingView.h"

#include "CoursePanel.h"
#include "KitchenDispatchPanel.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/Palette.h"

#include <QMouseEvent>

ParkingView::ParkingView(QWidget* parent)
    : DesignView(QStringLiteral("poubelle"), QSizeF(320, 510), parent),
      m_supplementsPanel(
          ListPanel::createHidden({QStringLiteral("Panelsupp"), QSizeF(320, 510), QStringLiteral("Button23"),
                                   QStringLiteral("Quitter les suppléments"), 49, QStringLiteral("ListViewsupp")})),
      m_coursePanel(new CoursePanel), m_dispatchPanel(new KitchenDispatchPanel)
{
    setBackground(Palette::Background);
    fill(m_supplementsPanel);
    fill(m_coursePanel);
    m_dispatchPanel->hide();
    fill(m_dispatchPanel);
}

QPushButton* ParkingView::leaveSupplementsButton() const
{
    return m_supplementsPanel->button();
}

CheckList* ParkingView::supplementsList() const
{
    return m_supplementsPanel->list();
}

void ParkingView::openCourses(DesignView& screen, const QList<int>& courses)
{
    m_coursePanel->offerCourses(courses);
    screen.fill(m_coursePanel);
    m_coursePanel->raise();
    m_coursePanel->show();
}

void ParkingView::parkCourses()
{
    fill(m_coursePanel);
}

void ParkingView::hideCourses()
{
    m_coursePanel->hide();
}

void ParkingView::openSupplements(DesignView& screen)
{
    placeSupplementsOver(screen);
    showSupplements();
}

void ParkingView::placeSupplementsOver(DesignView& view)
{
    view.fill(m_supplementsPanel);
    m_supplementsPanel->hide();
    m_supplementsPanel->raise();
}

void ParkingView::showSupplements()
{
    m_supplementsPanel->raise();
    m_supplementsPanel->show();
}

void ParkingView::parkSupplements()
{
    m_supplementsPanel->hide();
    fill(m_supplementsPanel);
}

bool ParkingView::supplementsOver(const QWidget& view) const
{
    return m_supplementsPanel->parentWidget() == &view;
}

QList<bool> ParkingView::supplementTicks() const
{
    return supplementsList()->ticks();
}

void ParkingView::mouseReleaseEvent(QMouseEvent* event)
{
    hide();
    event->accept();
}
