#include "CheckList.h"

#include "Touch.h"

CheckList::CheckList(const QString& name, Highlight highlight, QWidget* parent) : QListWidget(parent)
{
    setObjectName(name);
    // a touch toggles the check mark; a highlighted row would read as a second kind of choice
    if (highlight == Highlight::None)
        setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    enableTouchPanning(this);
}

QListWidgetItem* CheckList::addEntry(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

void CheckList::toggle(QListWidgetItem* item)
{
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

QList<bool> CheckList::ticks() const
{
    QList<bool> ticked;
    for (int row = 0; row < count(); ++row)
        ticked.append(item(row)->checkState() == Qt::Checked);
    return ticked;
}

void CheckList::untickAll()
{
    for (int row = 0; row < count(); ++row)
        item(row)->setCheckState(Qt::Unchecked);
}
