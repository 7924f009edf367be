#pragma once

#include <QString>

#include <array>
#include <vector>

// One product as a keyboard's list gives it.
struct Product
{
    QString texte;             // name, the key's caption
    QString textecuis;         // kitchen label
    int kitchenOptionFlag = 0; // non-zero: ask for kitchen options first
    int menucuis = 0;          // which kitchen option list
    QString couleur;           // key colour as text
    int art = 0;               // article number sent to the register
    int numclav = 0;           // keyboard 1..12
};

struct Supplement
{
    int code = 0;
    QString name;
};

// `prod`, of type `tprod`: the products of all twelve keyboards, by product index, and the supplements.
// Writes outside the tables are dropped and reads outside them give empty, 0 or false, so a register
// sending more than the tables hold cannot reach past them.
// A repeated load starts with clear(): a product slot it does not reach is then empty rather than left
// from the earlier catalogue, where its stale article number would take over an entry of `articles`.
class ProductTable final
{
public:
    static constexpr int ProductCount = 1001;   // product indexes 0..1000
    static constexpr int ArticleCount = 1001;   // article numbers 0..1000
    static constexpr int FlaggedArticles = 800; // supplement flags exist for articles 1..800
    static constexpr int SupplementCount = 51;  // supplements 1..50; 0 is unused

    void clear();
    // Empties every product, keeping the supplements and their flags.
    void clearProducts();

    void setProduct(int k, const Product& product);
    // Stores one keyboard's products from index `first` on and returns the index the next keyboard starts at.
    int addKeyboard(int first, const std::vector<Product>& products);
    // Flags by article number; only 1..800 are taken.
    void setSuppFlags(const std::array<bool, ArticleCount>& flags);
    // Supplements 1, 2, ... in list order; the rest of the table is emptied.
    void setSupplements(const std::vector<Supplement>& supplements);

    int art(int k) const;
    QString texte(int k) const;
    QString textecuis(int k) const;
    int kitchenOptionFlag(int k) const;
    int menucuis(int k) const;
    QString couleur(int k) const;
    int numclav(int k) const;
    bool supp(int article) const;
    int tagsupp(int z) const;
    QString textesupp(int z) const;

private:
    const Product* product(int k) const;

    // on the heap: a load holds several tables at once, and a thousand products would fill the stack
    std::vector<Product> m_products = std::vector<Product>(ProductCount);
    std::array<bool, ArticleCount> m_supp{};
    std::array<Supplement, SupplementCount> m_supplements;
};
