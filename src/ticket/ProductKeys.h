#pragma once

#include "catalogue/CatalogueGeometry.h"
#include "widgets/CatalogueKey.h"
#include "widgets/ViewSlot.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

class ProductTable;
class TicketView;

// The product keys `bbutton`[k] for product k, each painting its caption, laid four to a row in the scroll box of
// the product's keyboard. A catalogue's keys are kept as data until the ticket view is shown or a key is asked
// for: most starts never open most keyboards, and a start that makes no key reaches the waiter view sooner.
class ProductKeys final : public QObject
{
    Q_OBJECT

public:
    explicit ProductKeys(ViewSlot<TicketView>& ticket);

    // Takes on the keys of a catalogue in place of those of an earlier load; they are made at once when the ticket
    // view is up. Products past the 801st get no key.
    void plan(const ProductTable& prod, int productCount, int largeurinit, bool doubleTap);
    // Makes the keys planned and not made yet, and the ticket view they lie on when it is not.
    void make();
    void clear();

    int count() const { return static_cast<int>(m_planned.size()); }
    CatalogueKey* key(int k);

Q_SIGNALS:
    void productTapped(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PlannedKey
    {
        int keyboard = 0; // none: a product of no keyboard the load gives, which has no place to go
        CatalogueGeometry::KeyBox geometry;
        std::optional<QColor> colour;
        QString text;
    };

    ViewSlot<TicketView>& m_ticket;
    std::vector<PlannedKey> m_planned;
    QFont m_font;
    CatalogueKey::Tap m_tap = CatalogueKey::Tap::Single;
    bool m_made = true;
    std::vector<QPointer<CatalogueKey>> m_keys;
    std::vector<QPointer<QWidget>> m_boxes; // the scroll boxes' widgets the keys were laid on
};
