#pragma once

#include "CatalogueParse.h"
#include "ProductTable.h"
#include "session/Limits.h"

#include <array>
#include <optional>

// The catalogue data the window keeps until the next load: names, captions, the lists the ticket,
// set-menu and table screens read, and `articles`. Lists are given out by number as the register numbers
// them; a number out of range gives an empty list or 0.
// A repeated load starts with clear(), as it does on the product table, so nothing of an earlier
// catalogue is mixed into the new one.
class Catalogue final
{
public:
    void clear();

    void setTabsAndWaiters(const CatalogueParse::TabsAndWaiters& names);
    const CatalogueParse::TabsAndWaiters& tabsAndWaiters() const { return m_names; }
    QString serv(int waiter) const; // waiters 1..8

    // Keeps the captions of the last reply that changed any; none while the designed captions stand.
    void setPaymentCaptions(const std::optional<CatalogueParse::PaymentCaptions>& captions);
    const std::optional<CatalogueParse::PaymentCaptions>& paymentCaptions() const { return m_payment; }

    void setPrintingOptions(const CatalogueParse::PrintingOptions& options) { m_printing = options; }
    const CatalogueParse::PrintingOptions& printingOptions() const { return m_printing; }

    void setKitchenLists(const CatalogueParse::KitchenLists& lists) { m_kitchen = lists; }
    QStringList kitchenOptionList(int n) const; // `cuis1`..`cuis9`
    QStringList rappel() const { return m_kitchen.rappel; }

    void setCtform(const CatalogueParse::SetMenuContents& contents) { m_ctform = contents; }
    QStringList ctform(int n) const; // `ctform1`..`ctform10`

    void setRang(int n, const QStringList& rank);
    QStringList rang(int n) const; // `rang1`..`rang7`
    // Whether the article is flagged to be served as that course; an article outside the list is not.
    bool servedAs(int article, int course) const;

    void setAform(int n, const QStringList& list);
    QStringList aform(int n) const; // `aform1`..`aform10`

    void setTablePlan(const CatalogueParse::TablePlan& plan) { m_plan = plan; }
    const CatalogueParse::TablePlan& tablePlan() const { return m_plan; }

    // `articles`[`art`[k]] := k for k = 0..1000 in order: the last product with an article number wins,
    // empty product slots (article 0) included. Article numbers outside 0..1000 are left out.
    void indexArticles(const ProductTable& prod);
    int articles(int article) const;

private:
    CatalogueParse::TabsAndWaiters m_names;
    std::optional<CatalogueParse::PaymentCaptions> m_payment;
    CatalogueParse::PrintingOptions m_printing{};
    CatalogueParse::KitchenLists m_kitchen;
    CatalogueParse::SetMenuContents m_ctform;
    std::array<QStringList, Limits::Courses> m_rang;
    std::array<QStringList, Limits::SetMenus> m_aform;
    CatalogueParse::TablePlan m_plan;
    std::array<int, ProductTable::ArticleCount> m_articles{};
};
