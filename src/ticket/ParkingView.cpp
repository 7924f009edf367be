#include "ParkingView.h"

#include "CoursePanel.h"
#include "KitchenDispatchPanel.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/Palette.h"

#include <QMouseEvent>

ParkingView::ParkingView(QWidget* parent)
    : DesignView(QStringLiteral("poubelle"), QSizeF(320, 510), parent),
      m_panelsupp(
          ListPanel::createHidden({QStringLiteral("Panelsupp"), QSizeF(320, 510), QStringLiteral("Button23"),
                                   QStringLiteral("Quitter les suppléments"), 49, QStringLiteral("ListViewsupp")})),
      m_choixrang(new CoursePanel), m_panelenvoicuis(new KitchenDispatchPanel)
{
    setBackground(Palette::Background);
    fill(m_panelsupp);
    fill(m_choixrang);
    m_panelenvoicuis->hide();
    fill(m_panelenvoicuis);
}

QPushButton* ParkingView::Button23() const
{
    return m_panelsupp->button();
}

CheckList* ParkingView::ListViewsupp() const
{
    return m_panelsupp->list();
}

void ParkingView::openCourses(DesignView& screen, const QList<int>& courses)
{
    m_choixrang->offerCourses(courses);
    screen.fill(m_choixrang);
    m_choixrang->raise();
    m_choixrang->show();
}

void ParkingView::parkCourses()
{
    fill(m_choixrang);
    m_choixrang->hide();
}

void ParkingView::openSupplements(DesignView& screen)
{
    placeSupplementsOver(screen);
    showSupplements();
}

void ParkingView::placeSupplementsOver(DesignView& view)
{
    view.fill(m_panelsupp);
    m_panelsupp->hide();
    m_panelsupp->raise();
}

void ParkingView::showSupplements()
{
    m_panelsupp->raise();
    m_panelsupp->show();
}

void ParkingView::parkSupplements()
{
    m_panelsupp->hide();
    fill(m_panelsupp);
}

bool ParkingView::supplementsOver(const QWidget& view) const
{
    return m_panelsupp->parentWidget() == &view;
}

QList<bool> ParkingView::supplementTicks() const
{
    return ListViewsupp()->ticks();
}

void ParkingView::mouseReleaseEvent(QMouseEvent* event)
{
    hide();
    event->accept();
}
