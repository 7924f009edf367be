#include "TableButtons.h"

#include "session/Limits.h"
#include "tables/PlanView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

TableButtons::TableButtons(PlanView& view) : m_view(view)
{
    m_view.installEventFilter(this);
}

TableButtons::~TableButtons()
{
    clear();
}

void TableButtons::plan(const CatalogueParse::TablePlan& plan, int largeurinit, int hauteurinit)
{
    clear();
    m_made = false;
    const double tabHeight = m_view.roomTabs()->tabBar()->sizeHint().height();
    m_planned.reserve(Limits::Tables);
    for (int z = 0; z < Limits::Tables; ++z)
        m_planned.push_back(CatalogueGeometry::tableButton(plan, z, largeurinit, hauteurinit, tabHeight));
    if (m_view.isVisible())
        make();
}

void TableButtons::make()
{
    if (m_made)
        return;
    m_made = true;
    if (!m_unplaced) {
        m_unplaced = new QWidget(&m_view);
        m_unplaced->setObjectName(QStringLiteral("unplacedTables"));
        m_unplaced->hide();
    }
    const std::array<QWidget*, 3> tabs{m_view.room1Page(), m_view.room2Page(), m_view.room3Page()};
    const QString name = QStringLiteral("btable");
    const CatalogueKey::TapHandler onTap = [this](int n) { Q_EMIT tableTapped(n); };
    m_tables.reserve(m_planned.size());
    for (int z = 0; z < count(); ++z) {
        const CatalogueGeometry::TableButton& table = m_planned.at(size_t(z));
        QWidget* parent = table.planTab ? tabs.at(size_t(*table.planTab)) : m_unplaced.data();

        auto* key = new CatalogueKey(name + QString::number(z), z + 1, onTap, parent);
        key->setColour(QColor::fromRgba(CatalogueGeometry::TableBodyColour));
        key->setGeometry(table.body.toRect());
        key->setCaptionBox(table.caption.toRect());
        key->setCaptionFont(Fonts::plain(std::max(1, table.fontSize)));
        key->setText(table.text);
        setTextColour(key, QColor::fromRgba(CatalogueGeometry::TableCaptionColour));

        if (table.shown)
            showWithBox(key);
        else
            key->hide();
        m_tables.emplace_back(key);
    }
}

void TableButtons::clear()
{
    for (const QPointer<CatalogueKey>& table : m_tables)
        delete table.data();
    m_tables.clear();
    m_planned.clear();
    m_made = true;
}

CatalogueKey* TableButtons::key(int z)
{
    if (z < 0 || z >= count())
        return nullptr;
    make();
    return m_tables.at(size_t(z)).data();
}

bool TableButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Show)
        make();
    return QObject::eventFilter(watched, event);
}
