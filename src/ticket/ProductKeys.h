#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class CatalogueKey;
class ProductTable;
class TicketView;

// The product keys `bbutton`[k] for product k, each painting its caption, laid four to a row in the scroll box of
// the product's keyboard.
class ProductKeys final : public QObject
{
    Q_OBJECT

public:
    // Replaces the keys of an earlier load. Products past the 801st get no key.
    void build(const ProductTable& prod, int productCount, TicketView* ticket, int largeurinit, bool doubleTap);
    void clear();

    int count() const { return static_cast<int>(m_keys.size()); }
    CatalogueKey* bbutton(int k) const;

Q_SIGNALS:
    void productTapped(int k);

private:
    std::vector<QPointer<CatalogueKey>> m_keys;
    std::vector<QPointer<QWidget>> m_boxes; // the scroll boxes' widgets the keys were laid on
};
