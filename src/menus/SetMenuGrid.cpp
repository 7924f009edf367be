#include "SetMenuGrid.h"

#include "SetMenuReplies.h"
#include "menus/SetMenuView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"

#include <QEvent>
#include <QScrollArea>

#include <algorithm>

SetMenuGrid::SetMenuGrid(SetMenuView& view) : QObject(&view), m_view(view)
{
    m_view.installEventFilter(this);
}

void SetMenuGrid::plan(int largeurinit, int hauteurinit)
{
    clear();
    m_planned.reserve(CatalogueGeometry::SetMenuCellCount);
    for (int z = 0; z < CatalogueGeometry::SetMenuCellCount; ++z)
        m_planned.push_back(CatalogueGeometry::setMenuCell(largeurinit, hauteurinit, z));
    m_made = false;
    if (m_view.isVisible())
        make();
}

void SetMenuGrid::make()
{
    if (m_made)
        return;
    m_made = true;
    QWidget* box = m_view.gridScrollBox()->widget();
    const QString name = QStringLiteral("bbbutton");
    const CatalogueKey::TapHandler onTap = [this](int z) { Q_EMIT cellTapped(z); };
    QRect extent;
    m_cells.reserve(m_planned.size());
    for (int z = 0; z < count(); ++z) {
        const CatalogueGeometry::CellBox& cell = m_planned.at(size_t(z));
        // set-menu cells always answer a single tap, whatever the product keys do
        auto* key = new CatalogueKey(name + QString::number(z), z, onTap, box);
        key->setColour(QColor::fromRgba(cell.colour));
        key->setGeometry(cell.body);
        key->setCaptionBox(cell.caption.translated(-cell.body.topLeft()));
        key->setCaptionFont(Fonts::plain(std::max(1, cell.fontSize)));
        showWithBox(key);

        m_cells.emplace_back(key);
        extent |= cell.body;
    }
    // the box scrolls sideways over the 36 columns
    box->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
    m_box = box;
}

void SetMenuGrid::clear()
{
    for (const QPointer<CatalogueKey>& cell : m_cells)
        delete cell.data();
    m_cells.clear();
    m_planned.clear();
    m_made = true;
    if (m_box)
        m_box->setMinimumSize(0, 0);
}

CatalogueKey* SetMenuGrid::cell(int z)
{
    if (z < 0 || z >= count())
        return nullptr;
    make();
    return m_cells.at(size_t(z)).data();
}

void SetMenuGrid::showCells(const QStringList& texts)
{
    for (int z = 0; z < count(); ++z) {
        CatalogueKey* key = cell(z);
        if (!key)
            continue;
        if (z < texts.size())
            key->setText(texts.at(z));
        key->setVisible(z < texts.size() && texts.at(z) != SetMenuReplies::noChoice());
    }
}

QString SetMenuGrid::cellText(int z)
{
    const CatalogueKey* key = cell(z);
    return key ? key->text() : QString();
}

bool SetMenuGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Show)
        make();
    return QObject::eventFilter(watched, event);
}
