#include "Catalogue.h"

namespace {

// Entry n of a list numbered from 1, or nothing.
template <typename T, size_t Count> T numbered(const std::array<T, Count>& items, int n)
{
    return n >= 1 && size_t(n) <= Count ? items[size_t(n) - 1] : T();
}

template <typename T, size_t Count> void setNumbered(std::array<T, Count>& items, int n, const T& value)
{
    if (n >= 1 && size_t(n) <= Count)
        items[size_t(n) - 1] = value;
}

} // namespace

void Catalogue::clear()
{
    *this = Catalogue();
}

void Catalogue::setTabsAndWaiters(const CatalogueParse::TabsAndWaiters& names)
{
    m_names = names;
}

QString Catalogue::serv(int waiter) const
{
    return numbered(m_names.serv, waiter);
}

void Catalogue::setPaymentCaptions(const std::optional<CatalogueParse::PaymentCaptions>& captions)
{
    if (captions)
        m_payment = captions;
}

QStringList Catalogue::kitchenOptionList(int n) const
{
    return numbered(m_kitchen.kitchenOptionLists, n);
}

QStringList Catalogue::ctform(int n) const
{
    return numbered(m_ctform, n);
}

void Catalogue::setRang(int n, const QStringList& rank)
{
    setNumbered(m_rang, n, rank);
}

QStringList Catalogue::rang(int n) const
{
    return numbered(m_rang, n);
}

bool Catalogue::servedAs(int article, int course) const
{
    // value() reads past either end of the list as empty, so as not flagged
    return rang(course).value(article - 1) == QLatin1String("1");
}

void Catalogue::setAform(int n, const QStringList& list)
{
    setNumbered(m_aform, n, list);
}

QStringList Catalogue::aform(int n) const
{
    return numbered(m_aform, n);
}

void Catalogue::indexArticles(const ProductTable& prod)
{
    // no article of an earlier catalogue stays pointing at a product of this one
    m_articles.fill(0);
    for (int k = 0; k < ProductTable::ProductCount; ++k) {
        const int article = prod.art(k);
        if (article >= 0 && article < ProductTable::ArticleCount)
            m_articles[static_cast<size_t>(article)] = k;
    }
}

int Catalogue::articles(int article) const
{
    return article >= 0 && article < ProductTable::ArticleCount ? m_articles[static_cast<size_t>(article)] : 0;
}
