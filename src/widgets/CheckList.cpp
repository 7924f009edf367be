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
