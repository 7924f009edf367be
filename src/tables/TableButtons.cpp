#include "TableButtons.h"

#include "catalogue/CatalogueGeometry.h"
#include "session/Limits.h"
#include "tables/PlanView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"

#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

TableButtons::TableButtons(QObject* parent) : QObject(parent) {}

TableButtons::~TableButtons()
{
    clear();
}

void TableButtons::build(const CatalogueParse::TablePlan& plan, PlanView* view, int largeurinit, int hauteurinit)
{
    clear();
    if (!m_unplaced) {
        m_unplaced = new QWidget(view);
        m_unplaced->setObjectName(QStringLiteral("unplacedTables"));
        m_unplaced->hide();
    }
    const std::array<QWidget*, 3> tabs{view->TabItem9(), view->TabItem10(), view->TabItem11()};
    const double tabHeight = view->TabControl1()->tabBar()->sizeHint().height();
    const QString name = QStringLiteral("btable");
    const CatalogueKey::TapHandler onTap = [this](int n) { Q_EMIT tableTapped(n); };
    m_tables.reserve(Limits::Tables);
    for (int z = 0; z < Limits::Tables; ++z) {
        const CatalogueGeometry::TableButton table =
            CatalogueGeometry::tableButton(plan, z, largeurinit, hauteurinit, tabHeight);
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
}

CatalogueKey* TableButtons::btable(int z) const
{
    return z >= 0 && z < count() ? m_tables.at(size_t(z)).data() : nullptr;
}
