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
      m_topStrip(new DesignView(QStringLiteral("Panel10"), QSizeF(DesignSize.width(), Panel10Height))),
      m_leaveButton(returnButton()), m_gridBackground(new ColourShape(QStringLiteral("Panel11"), Palette::Background)),
      m_gridScrollBox(new QScrollArea),
      m_dishPanel(ListPanel::createHidden({QStringLiteral("Panel12"), DesignSize, QStringLiteral("Button29"),
                                           QStringLiteral("Annuler"), 33, QStringLiteral("choixform")})),
      m_optionsPanel(ListPanel::createHidden({QStringLiteral("Panel16"), DesignSize, QStringLiteral("Button32"),
                                              QStringLiteral("Valider"), 44.1, QStringLiteral("ListView1")}))
{
    setBackground(Palette::Background);
    m_gridBackground->setParent(this);

    m_topStrip->setBackground(Palette::Background);
    m_topStrip->place(m_leaveButton, QRectF(191.1, 6, 172, 31));
    dockTop(m_topStrip, Panel10Height);

    m_gridScrollBox->setObjectName(QStringLiteral("HorzScrollBox1"));
    m_gridScrollBox->setFrameShape(QFrame::NoFrame);
    m_gridScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // the grid's widget spans the box; the cells laid on it set its minimum width to scroll
    m_gridScrollBox->setWidgetResizable(true);
    auto* grid = new QWidget;
    grid->setObjectName(QStringLiteral("HorzScrollBox1Grid"));
    m_gridScrollBox->setWidget(grid);
    // the grid lies on Panel11's background
    grid->setAutoFillBackground(false);
    m_gridScrollBox->viewport()->setAutoFillBackground(false);
    enableTouchPanning(m_gridScrollBox);
    place(m_gridScrollBox, QRectF(0, 51.1, 366, 551.9));

    fill(m_dishPanel);
    fill(m_optionsPanel);
    m_grid = new SetMenuGrid(*this);
}

QPushButton* SetMenuView::dishCancelButton() const
{
    return m_dishPanel->button();
}

CheckList* SetMenuView::dishList() const
{
    return m_dishPanel->list();
}

QPushButton* SetMenuView::optionsValidateButton() const
{
    return m_optionsPanel->button();
}

CheckList* SetMenuView::optionsList() const
{
    return m_optionsPanel->list();
}

void SetMenuView::openDishList(const QStringList& dishes)
{
    dishList()->setEntries(dishes);
    m_dishPanel->raise();
    m_dishPanel->show();
    dishList()->raise();
    dishList()->show();
}

void SetMenuView::tickDish(int entry)
{
    if (QListWidgetItem* item = dishList()->item(entry))
        item->setCheckState(Qt::Checked);
    dishList()->repaint();
    closeDishList();
}

void SetMenuView::closeDishList()
{
    m_dishPanel->hide();
    dishList()->hide();
}

void SetMenuView::openOptions(const QStringList& options)
{
    optionsList()->setEntries(options);
    optionsList()->raise();
    optionsList()->show();
    m_optionsPanel->raise();
    m_optionsPanel->show();
}

bool SetMenuView::optionsOpen() const
{
    return !m_optionsPanel->isHidden();
}

QList<bool> SetMenuView::tickedOptions() const
{
    return optionsList()->ticks();
}

void SetMenuView::clearOptionTicks()
{
    optionsList()->clearTicks();
}

void SetMenuView::closeOptions()
{
    m_optionsPanel->hide();
}

void SetMenuView::resizeEvent(QResizeEvent* event)
{
    DesignView::resizeEvent(event);
    // the grid's background takes what the top strip leaves
    const int top = m_topStrip->geometry().bottom() + 1;
    m_gridBackground->setGeometry(0, top, width(), qMax(0, height() - top));
}
