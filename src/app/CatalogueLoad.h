#pragma once

#include "catalogue/CatalogueGeometry.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/CatalogueSource.h"
#include "tables/TableButtons.h"
#include "ticket/ProductKeys.h"
#include "widgets/ViewSlot.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class Catalogue;
class LinkProbe;
class ParkingView;
class PaymentView;
class PlanView;
class ProductTable;
class RegisterLink;
class SetMenuView;
class SettingsStore;
class StartView;
class TableChoiceView;
class TicketView;
class WaiterView;

// The catalogue load at each start: shows its progress while the source downloads the catalogue or reads it from
// the cache, then takes on the catalogue: cached and saved when whole, and put on the keys, grid, plan and captions,
// which keep the keys as data until their view is shown. Until then the earlier catalogue and its controls stay as
// they were; a load that stopped once the names were read shows what it read over them.
class CatalogueLoad final : public QObject
{
    Q_OBJECT

public:
    // The views the catalogue puts its names, keys, cells and tables on.
    struct Views
    {
        StartView& start;
        ViewSlot<WaiterView>& waiter;
        ViewSlot<TicketView>& ticket;
        ViewSlot<PaymentView>& payment;
        ViewSlot<ParkingView>& parking;
        ViewSlot<SetMenuView>& setMenu;
        ViewSlot<PlanView>& plan;
        ViewSlot<TableChoiceView>& tableChoice;
    };

    // window: the one the screens are sized to and messages are shown over
    CatalogueLoad(RegisterLink& link, SettingsStore& settings, ProductTable& products, Catalogue& catalogue,
                  LinkProbe& linkProbe, const Views& views, QWidget* window);

    // The start view's size in whole units, from which keys, cells and screens are sized.
    void setStartSize(const QSize& size) { m_startSize = size; }
    QSize startSize() const { return m_startSize; }

    // Downloads the catalogue when reload, else reads the cache. stamp: the register's, stored in the settings only
    // with a whole catalogue, so that a start whose download did not complete downloads again next time.
    // An abandoned download (see CatalogueSource) shows a message, then what it read, and returns.
    // A failure of the printing options, course ranks or set-menu lists, and a number field that is not a
    // number (LinkError, FormatError), escape once what was read before is shown: nothing of it is saved.
    // A download that lost a request it can do without serves this service and is not saved.
    // Whether the start goes on to the waiter keys: also after a failure the load showed itself, never after a
    // failed save, which leaves the start view up with its message and the earlier catalogue in place, nor once
    // the terminal ends.
    bool load(bool reload, const QString& stamp);
    // Reads the cache for a load that may follow, showing nothing (see CatalogueSource::readCacheAhead).
    void readCacheAhead() { m_source.readCacheAhead(); }
    // The terminal ends: a load under way asks for nothing more, and shows nothing more.
    void end() { m_source.end(); }

    // products of the catalogue taken on last
    int productCount() const { return m_productCount; }
    ProductKeys& productKeys() { return m_productKeys; }
    TableButtons& tableButtons() { return m_tableButtons; }

Q_SIGNALS:
    // each progress text as it is put in the start view's status line
    void progressShown(const QString& text);

private:
    void showProgress(const QString& text);
    void numberTabs();
    void follow(CatalogueSource::Stage stage, int n);
    void abandon();
    // Caches and saves a whole catalogue under its stamp, then shows it; false when the save failed.
    bool takeOn(LoadedCatalogue& loaded, const QString& stamp);
    // keysBuilt: the load read every keyboard, and the captions beside the keys are sized to them
    void showCatalogue(std::vector<Supplement> supplements, bool keysBuilt);
    // What a view made before or after the load takes from the last catalogue shown: each view's hook is set once.
    void dressTicket(TicketView& view);
    void dressPayment(PaymentView& view);

    RegisterLink& m_link;
    SettingsStore& m_settings;
    ProductTable& m_products;
    Catalogue& m_catalogue;
    LinkProbe& m_linkProbe;
    Views m_views;
    QWidget* m_window;
    CatalogueSource m_source;
    QSize m_startSize;
    int m_productCount = 0;
    // the keys are made when their view is first shown: the load gives them their places and captions
    ProductKeys m_productKeys;
    TableButtons m_tableButtons;
    // the window the last catalogue shown was sized for, for the ticket, table-choice and set-menu views
    struct Shown
    {
        CatalogueGeometry::ScreenInput screen;
        QSize startSize;
        int captionWidth = 0; // the start width the side captions were sized from; 0 while they keep their design
    };
    std::optional<Shown> m_shown;
    bool m_tabsNumbered = false; // a load ran: the first eight tabs read "0" to "7" unless named
    std::optional<CatalogueParse::TabsAndWaiters> m_tabNames; // the tab names of the load, once it read them
    // what the payment view takes when it is made, or at once when it is; the layout comes with the ticket's sizing
    std::optional<CatalogueGeometry::ScreenLayout> m_paymentLayout;
    std::optional<CatalogueParse::PaymentCaptions> m_paymentCaptions;
    // what the supplements panel lists when the parking view is made, or at once when it is
    std::vector<Supplement> m_supplements;
};
