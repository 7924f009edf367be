#include "SetMenuView.h"

#include "SetMenuGrid.h"
#include "widgets/CheckList.h"
#include "widgets/ColourShape.h"
#include "widgets/ListPanel.h"
#include "widgets/Palette.h"
#include "widgets/RoundedButton.h"
#include "widgets/Touch.h"

#include <QPushButton>
#include <QScrollArea>

namespace {

constexpr QSizeF DesignSize(366, 603);
constexpr qreal Panel10Height = 41;

RoundedButton* returnButton()
{
    auto* button = new RoundedButton(QStringLiteral("CornerButton1"), QStringLiteral("Retour vers l'encaissement"));
    button->setColours(QColor::fromRgba(0xFF8A8A8A), QColor::fromRgba(0xFFE6E6E6));
    return button;
}

} // namespace

SetMenuView::SetMenuView(QWidget* parent)
    : DesignView(QStringLiteral("formule"), DesignSize, parent),
      m_panel10(new DesignView(QStringLiteral("Panel10"), QSizeF(DesignSize.width(), Panel10Height))),
      m_cornerButton1(returnButton()), m_panel11(new ColourShape(QStringLiteral("Panel11"), Palette::Background)),
      m_horzScrollBox1(new QScrollArea),
      m_panel12(ListPanel::createHidden({QStringLiteral("Panel12"), DesignSize, QStringLiteral("Button29"),
                                         QStringLiteral("Annuler"), 33, QStringLiteral("choixform")})),
      m_panel16(ListPanel::createHidden({QStringLiteral("Panel16"), DesignSize, QStringLiteral("Button32"),
                                         QStringLiteral("Valider"), 44.1, QStringLiteral("ListView1")}))
{
    setBackground(Palette::Background);
    m_panel11->setParent(this);

    m_panel10->setBackground(Palette::Background);
    m_panel10->place(m_cornerButton1, QRectF(191.1, 6, 172, 31));
    dockTop(m_panel10, Panel10Height);

    m_horzScrollBox1->setObjectName(QStringLiteral("HorzScrollBox1"));
    m_horzScrollBox1->setFrameShape(QFrame::NoFrame);
    m_horzScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // the grid's widget spans the box; the cells laid on it set its minimum width to scroll
    m_horzScrollBox1->setWidgetResizable(true);
    auto* grid = new QWidget;
    grid->setObjectName(QStringLiteral("HorzScrollBox1Grid"));
    m_horzScrollBox1->setWidget(grid);
    // the grid lies on Panel11's background
    grid->setAutoFillBackground(false);
    m_horzScrollBox1->viewport()->setAutoFillBackground(false);
    enableTouchPanning(m_horzScrollBox1);
    place(m_horzScrollBox1, QRectF(0, 51.1, 366, 551.9));

    fill(m_panel12);
    fill(m_panel16);
    m_grid = new SetMenuGrid(*this);
}

QPushButton* SetMenuView::Button29() const
{
    return m_panel12->button();
}

CheckList* SetMenuView::choixform() const
{
    return m_panel12->list();
}

QPushButton* SetMenuView::Button32() const
{
    return m_panel16->button();
}

CheckList* SetMenuView::ListView1() const
{
    return m_panel16->list();
}

void SetMenuView::openDishList(const QStringList& dishes)
{
    choixform()->setEntries(dishes);
    m_panel12->raise();
    m_panel12->show();
    choixform()->raise();
    choixform()->show();
}

void SetMenuView::tickDish(int entry)
{
    if (QListWidgetItem* item = choixform()->item(entry))
        item->setCheckState(Qt::Checked);
    choixform()->repaint();
    closeDishList();
}

void SetMenuView::closeDishList()
{
    m_panel12->hide();
    choixform()->hide();
}

void SetMenuView::openOptions(const QStringList& options)
{
    ListView1()->setEntries(options);
    ListView1()->raise();
    ListView1()->show();
    m_panel16->raise();
    m_panel16->show();
}

bool SetMenuView::optionsOpen() const
{
    return !m_panel16->isHidden();
}

QList<bool> SetMenuView::tickedOptions() const
{
    return ListView1()->ticks();
}

void SetMenuView::clearOptionTicks()
{
    ListView1()->clearTicks();
}

void SetMenuView::closeOptions()
{
    m_panel16->hide();
}

void SetMenuView::resizeEvent(QResizeEvent* event)
{
    DesignView::resizeEvent(event);
    // the grid's background takes what the top strip leaves
    const int top = m_panel10->geometry().bottom() + 1;
    m_panel11->setGeometry(0, top, width(), qMax(0, height() - top));
}
