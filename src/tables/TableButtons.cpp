#include "TableButtons.h"

#include "catalogue/CatalogueGeometry.h"
#include "session/Limits.h"
#include "tables/PlanView.h"
#include "widgets/ColourShape.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"
#include "widgets/TapCaption.h"

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
    for (int z = 0; z < Limits::Tables; ++z) {
        const CatalogueGeometry::TableButton table =
            CatalogueGeometry::tableButton(plan, z, largeurinit, hauteurinit, tabHeight);
        QWidget* parent = table.planTab ? tabs.at(size_t(*table.planTab)) : m_unplaced.data();

        auto* body = new ColourShape(QStringLiteral("btable%1").arg(z), z + 1, parent);
        body->setColour(QColor::fromRgba(CatalogueGeometry::TableBodyColour));
        body->setGeometry(table.body.toRect());

        auto* caption = new TapCaption(QStringLiteral("ltable%1").arg(z), z + 1, TapCaption::Tap::Single, body);
        caption->setText(table.text);
        caption->setFont(Fonts::plain(std::max(1, table.fontSize)));
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgba(CatalogueGeometry::TableCaptionColour));
        caption->setPalette(palette);
        caption->setGeometry(table.caption.toRect());
        // the caption takes the taps through its body
        body->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        connect(caption, &TapCaption::tapped, this, &TableButtons::tableTapped);

        if (table.shown)
            showWithBox(body);
        else
            body->hide();
        m_bodies.emplace_back(body);
        m_captions.emplace_back(caption);
    }
}

void TableButtons::clear()
{
    for (const QPointer<ColourShape>& body : m_bodies)
        delete body.data(); // its caption with it
    m_bodies.clear();
    m_captions.clear();
}

ColourShape* TableButtons::btable(int z) const
{
    return z >= 0 && z < count() ? m_bodies.at(size_t(z)).data() : nullptr;
}

TapCaption* TableButtons::ltable(int z) const
{
    return z >= 0 && z < count() ? m_captions.at(size_t(z)).data() : nullptr;
}
