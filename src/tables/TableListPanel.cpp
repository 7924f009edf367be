#include "TableListPanel.h"

#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/Touch.h"

#include <QListWidget>
#include <QPushButton>

TableListPanel::TableListPanel(QWidget* parent)
    : DesignView(QStringLiteral("Panel9"), QSizeF(375, 521), parent),
      m_panel13(new DesignView(QStringLiteral("Panel13"), QSizeF(375, 41.9))),
      m_button30(namedButton(QStringLiteral("Button30"), QStringLiteral("Annuler"), Fonts::plain(14))),
      m_button26(namedButton(QStringLiteral("Button26"), QStringLiteral("Valider"), Fonts::plain(14))),
      m_listViewtable(new QListWidget)
{
    setBackground(Palette::Background);
    m_panel13->place(m_button30, QRectF(0, 0, 183.1, 42.3));
    m_panel13->place(m_button26, QRectF(191.1, 0, 183.1, 42.3));

    m_listViewtable->setObjectName(QStringLiteral("ListViewtable"));
    m_listViewtable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listViewtable->setFont(Fonts::plain(18));
    enableTouchPanning(m_listViewtable);
    fitRowsToFinger(m_listViewtable);
    // the list starts under the button strip, which would otherwise hide its first table
    place(m_listViewtable, QRectF(0, 41.9, 374.5, 479.5));
    place(m_panel13, QRectF(0, 0, 375, 41.9));
}

void TableListPanel::showTables(const QStringList& items)
{
    m_listViewtable->clear();
    m_listViewtable->addItems(items);
    m_listViewtable->clearSelection();
    m_listViewtable->setCurrentRow(-1);
    if (items.isEmpty())
        return;
    m_listViewtable->show();
    show();
}

QString TableListPanel::selectedTable() const
{
    const QList<QListWidgetItem*> selected = m_listViewtable->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
