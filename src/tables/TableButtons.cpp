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

namespace {

double tabBarHeight(const PlanView& view)
{
    return view.roomTabs()->tabBar()->sizeHint().height();
}

} // namespace

TableButtons::TableButtons(ViewSlot<PlanView>& view) : m_view(view)
{
    m_view.whenMade([this](PlanView& made) { made.installEventFilter(this); });
}

TableButtons::~TableButtons()
{
    clear();
}

void TableButtons::plan(const CatalogueParse::TablePlan& plan, int largeurinit, int hauteurinit)
{
    clear();
    m_made = false;
    m_planned = plan;
    m_largeurinit = largeurinit;
    m_hauteurinit = hauteurinit;
    // read now, so that a plan the load cannot read stops the load, even while the plan view is not made
    const PlanView* view = m_view.ifMade();
    m_laidOut = view != nullptr;
    layOut(view ? tabBarHeight(*view) : 0, Limits::Tables);
    if (view && view->isVisible())
        make();
}

void TableButtons::layOut(double tabHeight, int tables)
{
    m_boxes.clear();
    m_boxes.reserve(size_t(tables));
    for (int z = 0; z < tables; ++z)
        m_boxes.push_back(CatalogueGeometry::tableButton(m_planned, z, m_largeurinit, m_hauteurinit, tabHeight));
}

void TableButtons::make()
{
    if (m_made)
        return;
    m_made = true;
    PlanView& view = m_view.get();
    if (!m_unplaced) {
        m_unplaced = new QWidget(&view);
        m_unplaced->setObjectName(QStringLiteral("unplacedTables"));
        m_unplaced->hide();
    }
    if (!m_laidOut) {
        // the entries read when planned: none stops it now
        layOut(tabBarHeight(view), count());
        m_laidOut = true;
    }
    const std::array<QWidget*, 3> tabs{view.room1Page(), view.room2Page(), view.room3Page()};
    // the captions take their colour from the page they stand on: one palette for all its tables, not one each
    for (QWidget* page : {tabs.at(0), tabs.at(1), tabs.at(2), m_unplaced.data()})
        setTextColour(page, QColor::fromRgba(CatalogueGeometry::TableCaptionColour));
    const QString name = QStringLiteral("btable");
    const CatalogueKey::TapHandler onTap = [this](int n) { Q_EMIT tableTapped(n); };
    m_tables.reserve(m_boxes.size());
    for (int z = 0; z < count(); ++z) {
        const CatalogueGeometry::TableButton& table = m_boxes.at(size_t(z));
        QWidget* parent = table.planTab ? tabs.at(size_t(*table.planTab)) : m_unplaced.data();

        auto* key = new CatalogueKey(name + QString::number(z), z + 1, onTap, parent);
        key->setColour(QColor::fromRgba(CatalogueGeometry::TableBodyColour));
        key->setGeometry(table.body.toRect());
        key->setCaptionBox(table.caption.toRect());
        key->setCaptionFont(Fonts::plain(std::max(1, table.fontSize)));
        key->setText(table.text);

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
    m_planned = {};
    m_boxes.clear();
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
    if (watched == m_view.ifMade() && event->type() == QEvent::Show)
        make();
    return QObject::eventFilter(watched, event);
}
