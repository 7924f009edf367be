#include "CatalogueCaptions.h"

#include "closing/PaymentView.h"
#include "session/Limits.h"
#include "waiters/WaiterView.h"
#include "widgets/CheckList.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QTabWidget>

namespace CatalogueCaptions {

namespace {

constexpr int NumberedTabs = 8;

void applyCaption(RedKey* key, const std::optional<QString>& caption)
{
    if (caption)
        key->caption()->setText(*caption);
    key->setVisible(caption.has_value());
}

} // namespace

void numberTabs(QTabWidget* tabs)
{
    for (int i = 0; i < NumberedTabs && i < tabs->count(); ++i)
        tabs->setTabText(i, QString::number(i));
}

void applyTabs(QTabWidget* tabs, const CatalogueParse::TabsAndWaiters& names)
{
    for (int i = 0; i < Limits::Keyboards && i < tabs->count(); ++i) {
        const std::optional<QString>& name = names.tabs.at(size_t(i));
        if (name)
            tabs->setTabText(i, *name);
        tabs->setTabVisible(i, name.has_value());
    }
}

void applyWaiters(WaiterView* serveur, const CatalogueParse::TabsAndWaiters& names)
{
    for (int i = 0; i < Limits::Waiters; ++i) {
        RedKey* key = serveur->waiterKeys().at(size_t(i));
        const bool shown = names.waiterShown.at(size_t(i));
        if (shown)
            key->caption()->setText(names.serv.at(size_t(i)));
        key->setVisible(shown);
    }
}

void applyPayment(PaymentView* encaissement, const std::optional<CatalogueParse::PaymentCaptions>& captions)
{
    if (!captions)
        return;
    applyCaption(encaissement->paymentMode1Key(), captions->cb);
    applyCaption(encaissement->paymentMode2Key(), captions->ch);
    applyCaption(encaissement->paymentMode3Key(), captions->ba);
    applyCaption(encaissement->paymentMode4Key(), captions->es);
}

void applySupplements(CheckList* list, const std::vector<Supplement>& supplements)
{
    list->clear();
    for (const Supplement& supplement : supplements)
        list->addEntry(supplement.name)->setData(Qt::UserRole, supplement.code);
}

} // namespace CatalogueCaptions
