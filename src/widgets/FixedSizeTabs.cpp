#include "FixedSizeTabs.h"

#include <QTabBar>

namespace {

class FixedSizeTabBar final : public QTabBar
{
public:
    explicit FixedSizeTabBar(const QSize& tabSize) : m_tabSize(tabSize) {}

protected:
    QSize tabSizeHint(int) const override { return m_tabSize; }
    QSize minimumTabSizeHint(int) const override { return m_tabSize; }

private:
    QSize m_tabSize;
};

} // namespace

FixedSizeTabs::FixedSizeTabs(const QSize& tabSize, QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new FixedSizeTabBar(tabSize));
}
