#include "Touch.h"

#include <QAbstractItemView>
#include <QScroller>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

class FingerRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), FingerSize));
        return size;
    }
};

} // namespace

void enableTouchPanning(QAbstractScrollArea* area)
{
    // touches the control does not take itself reach it as mouse presses, so one gesture serves both
    QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
}

void fitRowsToFinger(QAbstractItemView* list)
{
    list->setItemDelegate(new FingerRows(list));
}
