#include "ProductKeys.h"

#include "catalogue/ProductTable.h"
#include "session/Limits.h"
#include "ticket/TicketView.h"
#include "widgets/Fonts.h"
#include "widgets/ShowWithBox.h"

#include <QEvent>
#include <QScrollArea>

#include <algorithm>
#include <map>

ProductKeys::ProductKeys(ViewSlot<TicketView>& ticket) : m_ticket(ticket)
{
    m_ticket.whenMade([this](TicketView& view) { view.installEventFilter(this); });
}

void ProductKeys::plan(const ProductTable& prod, int productCount, int largeurinit, bool doubleTap)
{
    clear();
    const std::vector<int> positions = CatalogueGeometry::keyPositions(prod, productCount);
    m_tap = doubleTap ? CatalogueKey::Tap::Double : CatalogueKey::Tap::Single;
    m_font = Fonts::plain(std::max(1, CatalogueGeometry::keyFontSize(largeurinit)));
    m_planned.reserve(positions.size());
    for (int k = 0; k < static_cast<int>(positions.size()); ++k) {
        PlannedKey& key = m_planned.emplace_back();
        const int keyboard = prod.numclav(k);
        // the load only gives keyboards 1 to 12
        if (keyboard < 1 || keyboard > Limits::Keyboards)
            continue;
        key.keyboard = keyboard;
        key.geometry = CatalogueGeometry::productKey(largeurinit, positions.at(size_t(k)));
        if (const std::optional<quint32> colour = CatalogueGeometry::keyColour(prod.couleur(k)))
            key.colour = QColor::fromRgba(*colour);
        key.text = prod.texte(k);
    }
    m_made = false;
    if (const TicketView* ticket = m_ticket.ifMade(); ticket && ticket->isVisible())
        make();
}

void ProductKeys::make()
{
    if (m_made)
        return;
    m_made = true;
    const QString name = QStringLiteral("bbutton");
    const CatalogueKey::TapHandler onTap = [this](int k) { Q_EMIT productTapped(k); };
    std::map<QWidget*, int> extents;
    m_keys.reserve(m_planned.size());
    for (int k = 0; k < count(); ++k) {
        const PlannedKey& planned = m_planned.at(size_t(k));
        if (planned.keyboard == 0) {
            m_keys.emplace_back();
            continue;
        }
        QWidget* box = m_ticket->keyboardScrollBox(planned.keyboard)->widget();
        const CatalogueGeometry::KeyBox& geometry = planned.geometry;

        auto* key = new CatalogueKey(name + QString::number(k), k, onTap, box);
        if (planned.colour)
            key->setColour(*planned.colour);
        key->setGeometry(geometry.body);
        key->setTap(m_tap);
        key->setCaptionBox(geometry.caption.translated(-geometry.body.topLeft()));
        key->setCaptionFont(m_font);
        key->setText(planned.text);
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
    m_planned.clear();
    m_made = true;
}

CatalogueKey* ProductKeys::key(int k)
{
    if (k < 0 || k >= count())
        return nullptr;
    make();
    return m_keys.at(size_t(k)).data();
}

bool ProductKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ticket.ifMade() && event->type() == QEvent::Show)
        make();
    return QObject::eventFilter(watched, event);
}
