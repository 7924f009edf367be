#include "SetMenuGrid.h"

#include "SetMenuReplies.h"
#include "catalogue/CatalogueGeometry.h"
#include "menus/SetMenuView.h"
#include "widgets/ColourShape.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"
#include "widgets/TapCaption.h"

#include <QScrollArea>

#include <algorithm>

void SetMenuGrid::build(SetMenuView* formule, int largeurinit, int hauteurinit)
{
    clear();
    QWidget* box = formule->HorzScrollBox1()->widget();
    QRect extent;
    for (int z = 0; z < CatalogueGeometry::SetMenuCellCount; ++z) {
        const CatalogueGeometry::CellBox cell = CatalogueGeometry::setMenuCell(largeurinit, hauteurinit, z);
        auto* body = new ColourShape(QStringLiteral("bbbutton%1").arg(z), z, box);
        body->setColour(QColor::fromRgba(cell.colour));
        body->setGeometry(cell.body);
        showWithBox(body);

        // set-menu cells always answer a single tap, whatever the product keys do
        auto* caption = new TapCaption(QStringLiteral("llabeltouche%1").arg(z), z, TapCaption::Tap::Single, box);
        caption->setFont(Fonts::plain(std::max(1, cell.fontSize)));
        caption->setGeometry(cell.caption);
        showWithBox(caption);
        connect(caption, &TapCaption::tapped, this, &SetMenuGrid::cellTapped);

        m_bodies.emplace_back(body);
        m_captions.emplace_back(caption);
        extent |= cell.body;
    }
    // the box scrolls sideways over the 36 columns
    box->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
    m_box = box;
}

void SetMenuGrid::clear()
{
    for (const QPointer<TapCaption>& caption : m_captions)
        delete caption.data();
    for (const QPointer<ColourShape>& body : m_bodies)
        delete body.data();
    m_captions.clear();
    m_bodies.clear();
    if (m_box)
        m_box->setMinimumSize(0, 0);
}

ColourShape* SetMenuGrid::bbbutton(int z) const
{
    return z >= 0 && z < count() ? m_bodies.at(size_t(z)).data() : nullptr;
}

TapCaption* SetMenuGrid::llabeltouche(int z) const
{
    return z >= 0 && z < count() ? m_captions.at(size_t(z)).data() : nullptr;
}

void SetMenuGrid::showCells(const QStringList& texts)
{
    for (int z = 0; z < count(); ++z) {
        ColourShape* body = bbbutton(z);
        TapCaption* caption = llabeltouche(z);
        if (!body || !caption)
            continue;
        if (z < texts.size())
            caption->setText(texts.at(z));
        const bool shown = z < texts.size() && texts.at(z) != SetMenuReplies::noChoice();
        body->setVisible(shown);
        caption->setVisible(shown);
    }
}

QString SetMenuGrid::cellText(int z) const
{
    const TapCaption* caption = llabeltouche(z);
    return caption ? caption->text() : QString();
}
