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

// The entries tick on a touch anywhere on them; the list's own check box would tick a second time.
void fillTouchList(CheckList* list, const QStringList& entries)
{
    list->clear();
    for (const QString& entry : entries) {
        QListWidgetItem* item = list->addEntry(entry);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void setTick(CheckList* list, int entry, Qt::CheckState state)
{
    if (QListWidgetItem* item = list->item(entry))
        item->setCheckState(state);
}

ListPanel* listPanel(const QString& name, const QString& buttonName, const QString& caption, qreal strip,
                     const QString& listName)
{
    auto* panel = new ListPanel({name, DesignSize, buttonName, caption, strip, listName});
    panel->hide();
    return panel;
}

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
      m_panel12(listPanel(QStringLiteral("Panel12"), QStringLiteral("Button29"), QStringLiteral("Annuler"), 33,
                          QStringLiteral("choixform"))),
      m_panel16(listPanel(QStringLiteral("Panel16"), QStringLiteral("Button32"), QStringLiteral("Valider"), 44.1,
                          QStringLiteral("ListView1")))
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
    fillTouchList(choixform(), dishes);
    m_panel12->raise();
    m_panel12->show();
    choixform()->raise();
    choixform()->show();
}

void SetMenuView::tickDish(int entry)
{
    setTick(choixform(), entry, Qt::Checked);
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
    fillTouchList(ListView1(), options);
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
    QList<bool> ticked;
    for (int entry = 0; entry < ListView1()->count(); ++entry)
        ticked.append(ListView1()->item(entry)->checkState() == Qt::Checked);
    return ticked;
}

void SetMenuView::clearOptionTicks()
{
    for (int entry = 0; entry < ListView1()->count(); ++entry)
        setTick(ListView1(), entry, Qt::Unchecked);
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
