#include "ProductTable.h"

namespace {

bool inRange(int index, int count)
{
    return index >= 0 && index < count;
}

} // namespace

void ProductTable::clear()
{
    *this = ProductTable();
}

void ProductTable::clearProducts()
{
    m_products.assign(ProductCount, Product());
}

void ProductTable::setProduct(int k, const Product& product)
{
    if (inRange(k, ProductCount))
        m_products[static_cast<size_t>(k)] = product;
}

int ProductTable::addKeyboard(int first, const std::vector<Product>& products)
{
    int k = first;
    for (const Product& product : products)
        setProduct(k++, product);
    return k;
}

void ProductTable::setSuppFlags(const std::array<bool, ArticleCount>& flags)
{
    for (int a = 1; a <= FlaggedArticles; ++a)
        m_supp[static_cast<size_t>(a)] = flags[static_cast<size_t>(a)];
}

void ProductTable::setSupplements(const std::vector<Supplement>& supplements)
{
    m_supplements = {};
    for (size_t i = 0; i < supplements.size() && i + 1 < m_supplements.size(); ++i)
        m_supplements[i + 1] = supplements[i];
}

const Product* ProductTable::product(int k) const
{
    return inRange(k, ProductCount) ? &m_products[static_cast<size_t>(k)] : nullptr;
}

int ProductTable::art(int k) const
{
    const Product* p = product(k);
    return p ? p->art : 0;
}

QString ProductTable::texte(int k) const
{
    const Product* p = product(k);
    return p ? p->texte : QString();
}

QString ProductTable::textecuis(int k) const
{
    const Product* p = product(k);
    return p ? p->textecuis : QString();
}

int ProductTable::kitchenOptionFlag(int k) const
{
    const Product* p = product(k);
    return p ? p->kitchenOptionFlag : 0;
}

int ProductTable::menucuis(int k) const
{
    const Product* p = product(k);
    return p ? p->menucuis : 0;
}

QString ProductTable::couleur(int k) const
{
    const Product* p = product(k);
    return p ? p->couleur : QString();
}

int ProductTable::numclav(int k) const
{
    const Product* p = product(k);
    return p ? p->numclav : 0;
}

bool ProductTable::supp(int article) const
{
    return inRange(article, ArticleCount) && m_supp[static_cast<size_t>(article)];
}

int ProductTable::tagsupp(int z) const
{
    return inRange(z, SupplementCount) ? m_supplements[static_cast<size_t>(z)].code : 0;
}

QString ProductTable::textesupp(int z) const
{
    return inRange(z, SupplementCount) ? m_supplements[static_cast<size_t>(z)].name : QString();
}
