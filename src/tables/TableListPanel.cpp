#include "TableListPanel.h"

#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/Touch.h"

#include <QListWidget>
#include <QPushButton>

TableListPanel::TableListPanel(QWidget* parent)
    : DesignView(QStringLiteral("Panel9"), QSizeF(375, 521), parent),
      m_buttonStrip(new DesignView(QStringLiteral("Panel13"), QSizeF(375, 41.9))),
      m_cancelButton(namedButton(QStringLiteral("Button30"), QStringLiteral("Annuler"), Fonts::plain(14))),
      m_validateButton(namedButton(QStringLiteral("Button26"), QStringLiteral("Valider"), Fonts::plain(14))),
      m_tableList(new QListWidget)
{
    setBackground(Palette::Background);
    m_buttonStrip->place(m_cancelButton, QRectF(0, 0, 183.1, 42.3));
    m_buttonStrip->place(m_validateButton, QRectF(191.1, 0, 183.1, 42.3));

    m_tableList->setObjectName(QStringLiteral("ListViewtable"));
    m_tableList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableList->setFont(Fonts::plain(18));
    enableTouchPanning(m_tableList);
    fitRowsToFinger(m_tableList);
    // the list starts under the button strip, which would otherwise hide its first table
    place(m_tableList, QRectF(0, 41.9, 374.5, 479.5));
    place(m_buttonStrip, QRectF(0, 0, 375, 41.9));
}

void TableListPanel::showTables(const QStringList& items)
{
    m_tableList->clear();
    m_tableList->addItems(items);
    m_tableList->clearSelection();
    m_tableList->setCurrentRow(-1);
    if (items.isEmpty())
        return;
    m_tableList->show();
    show();
}

QString TableListPanel::selectedTable() const
{
    const QList<QListWidgetItem*> selected = m_tableList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
