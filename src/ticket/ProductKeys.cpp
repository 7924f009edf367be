#include "ProductKeys.h"

#include "catalogue/CatalogueGeometry.h"
#include "catalogue/ProductTable.h"
#include "ticket/TicketView.h"
#include "widgets/ColourShape.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"
#include "widgets/TapCaption.h"

#include <QScrollArea>

#include <algorithm>
#include <map>

void ProductKeys::build(const ProductTable& prod, int productCount, TicketView* ticket, int largeurinit, bool doubleTap)
{
    clear();
    const std::vector<int> positions = CatalogueGeometry::keyPositions(prod, productCount);
    const TapCaption::Tap tap = doubleTap ? TapCaption::Tap::Double : TapCaption::Tap::Single;
    std::map<QWidget*, int> extents;
    for (int k = 0; k < static_cast<int>(positions.size()); ++k) {
        const int keyboard = prod.numclav(k);
        // the load only gives keyboards 1 to 12; a product of another has no place to go
        if (keyboard < 1 || keyboard > TicketView::Keyboards) {
            m_bodies.emplace_back();
            m_captions.emplace_back();
            continue;
        }
        QWidget* box = ticket->VertScrollBox(keyboard)->widget();
        const CatalogueGeometry::KeyBox geometry = CatalogueGeometry::productKey(largeurinit, positions.at(size_t(k)));

        auto* body = new ColourShape(QStringLiteral("bbutton%1").arg(k), k, box);
        if (const std::optional<quint32> colour = CatalogueGeometry::keyColour(prod.couleur(k)))
            body->setColour(QColor::fromRgba(*colour));
        body->setGeometry(geometry.body);
        showWithBox(body);

        // the caption lies on the scroll box, not on the body, and takes the taps
        auto* caption = new TapCaption(QStringLiteral("labeltouche%1").arg(k), k, tap, box);
        caption->setText(prod.texte(k));
        caption->setFont(Fonts::plain(std::max(1, geometry.fontSize)));
        caption->setGeometry(geometry.caption);
        showWithBox(caption);
        connect(caption, &TapCaption::tapped, this, &ProductKeys::productTapped);

        m_bodies.emplace_back(body);
        m_captions.emplace_back(caption);
        int& extent = extents[box];
        extent = std::max(extent, geometry.body.bottom() + 1);
    }
    // the boxes scroll over what is laid on them
    for (const auto& [box, extent] : extents) {
        box->setMinimumHeight(extent);
        m_boxes.emplace_back(box);
    }
}

void ProductKeys::clear()
{
    for (const QPointer<TapCaption>& caption : m_captions)
        delete caption.data();
    for (const QPointer<ColourShape>& body : m_bodies)
        delete body.data();
    for (const QPointer<QWidget>& box : m_boxes) {
        if (box)
            box->setMinimumHeight(0);
    }
    m_captions.clear();
    m_bodies.clear();
    m_boxes.clear();
}

ColourShape* ProductKeys::bbutton(int k) const
{
    return k >= 0 && k < count() ? m_bodies.at(size_t(k)).data() : nullptr;
}

TapCaption* ProductKeys::labeltouche(int k) const
{
    return k >= 0 && k < count() ? m_captions.at(size_t(k)).data() : nullptr;
}
