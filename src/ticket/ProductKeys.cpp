#include "ProductKeys.h"

#include "catalogue/CatalogueGeometry.h"
#include "catalogue/ProductTable.h"
#include "session/Limits.h"
#include "ticket/TicketView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"

#include <QScrollArea>

#include <algorithm>
#include <map>

void ProductKeys::build(const ProductTable& prod, int productCount, TicketView* ticket, int largeurinit, bool doubleTap)
{
    clear();
    const std::vector<int> positions = CatalogueGeometry::keyPositions(prod, productCount);
    const CatalogueKey::Tap tap = doubleTap ? CatalogueKey::Tap::Double : CatalogueKey::Tap::Single;
    const QFont font = Fonts::plain(std::max(1, CatalogueGeometry::keyFontSize(largeurinit)));
    const QString name = QStringLiteral("bbutton");
    const CatalogueKey::TapHandler onTap = [this](int k) { Q_EMIT productTapped(k); };
    std::map<QWidget*, int> extents;
    m_keys.reserve(positions.size());
    for (int k = 0; k < static_cast<int>(positions.size()); ++k) {
        const int keyboard = prod.numclav(k);
        // the load only gives keyboards 1 to 12; a product of another has no place to go
        if (keyboard < 1 || keyboard > Limits::Keyboards) {
            m_keys.emplace_back();
            continue;
        }
        QWidget* box = ticket->VertScrollBox(keyboard)->widget();
        const CatalogueGeometry::KeyBox geometry = CatalogueGeometry::productKey(largeurinit, positions.at(size_t(k)));

        auto* key = new CatalogueKey(name + QString::number(k), k, onTap, box);
        if (const std::optional<quint32> colour = CatalogueGeometry::keyColour(prod.couleur(k)))
            key->setColour(QColor::fromRgba(*colour));
        key->setGeometry(geometry.body);
        key->setTap(tap);
        key->setCaptionBox(geometry.caption.translated(-geometry.body.topLeft()));
        key->setCaptionFont(font);
        key->setText(prod.texte(k));
        showWithBox(key);

        m_keys.emplace_back(key);
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
    for (const QPointer<CatalogueKey>& key : m_keys)
        delete key.data();
    for (const QPointer<QWidget>& box : m_boxes) {
        if (box)
            box->setMinimumHeight(0);
    }
    m_keys.clear();
    m_boxes.clear();
}

CatalogueKey* ProductKeys::bbutton(int k) const
{
    return k >= 0 && k < count() ? m_keys.at(size_t(k)).data() : nullptr;
}
