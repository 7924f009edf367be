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
    fitRowsToFinger(this);
    connect(this, &QListWidget::itemClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
}

QListWidgetItem* CheckList::addEntry(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    // the list toggles the mark itself, on the whole entry: the box alone would toggle it twice
    item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEditable));
    item->setCheckState(Qt::Unchecked);
    return item;
}

void CheckList::setEntries(const QStringList& texts)
{
    clear();
    for (const QString& text : texts)
        addEntry(text);
}

QList<bool> CheckList::ticks() const
{
    QList<bool> ticked;
    for (int row = 0; row < count(); ++row)
        ticked.append(item(row)->checkState() == Qt::Checked);
    return ticked;
}

void CheckList::clearTicks()
{
    for (int row = 0; row < count(); ++row)
        item(row)->setCheckState(Qt::Unchecked);
}
