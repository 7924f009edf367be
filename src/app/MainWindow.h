#pragma once

#include "Navigator.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "settings/SettingsStore.h"
#include "widgets/DesignView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/ViewSlot.h"

#include <QWidget>

#include <memory>
#include <vector>

class ArticleOrder;
class CatalogueLoad;
class ConfigScreen;
class ConfigView;
class FrontFocus;
class Covers;
class LineOperations;
class KitchenDispatch;
class KitchenMessages;
class LinkProbe;
class MessageView;
class NoticeView;
class ParkingView;
class PaymentView;
class PlanView;
class RegisterMessages;
class RoomPlan;
class ServiceStart;
class SetMenus;
class SetMenuView;
class StartView;
class Supplements;
class TableChoice;
class TableChoiceView;
class TicketClosing;
class TicketDisplay;
class TicketView;
class TransientNotice;
class WaiterLogin;
class WaiterView;

// The terminal's one window: it owns the views, stacked back to front, and builds the subsystems that drive them,
// each handed what it uses.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = DesignView::DesignWindow.width();
    static constexpr int DesignHeight = DesignView::DesignWindow.height();

    explicit MainWindow(const QString& settingsFolder = SettingsStore::defaultFolder(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The view the waiter sees: the visible one latest in the stack order.
    QWidget* frontView() const { return m_navigator->frontView(); }
    // The visible views, back to front.
    std::vector<QWidget*> visibleViews() const { return m_navigator->visibleViews(); }
    // A view or control by its object name; a view the start left unmade is made now, as a tap leading to it would.
    QWidget* view(const QString& name);
    // True once the first activation has run.
    bool activated() const { return m_activated; }

    // The parts of the terminal, for tests and tools that drive it from outside.
    RegisterLink& link() { return m_link; }
    Session& session() { return m_session; }
    SettingsStore& settings() { return m_settings; }
    Catalogue& catalogue() { return m_catalogue; }
    ProductTable& products() { return m_products; }
    HandlerGuard& guard() { return m_guard; }
    Navigation& navigation() { return *m_navigator; }
    ServiceStart& serviceStart() { return *m_serviceStart; }
    CatalogueLoad& catalogueLoad() { return *m_catalogueLoad; }
    ConfigScreen& configScreen() { return *m_configScreen; }
    LinkProbe& linkProbe() { return *m_linkProbe; }
    WaiterLogin& waiterLogin() { return *m_waiterLogin; }
    TicketDisplay& ticketDisplay() { return *m_ticketDisplay; }
    Covers& covers() { return *m_covers; }
    TableChoice& tableChoice() { return *m_tableChoice; }
    RoomPlan& roomPlan() { return *m_roomPlan; }
    Supplements& supplements() { return *m_supplements; }
    ArticleOrder& articleOrder() { return *m_articleOrder; }
    LineOperations& lineOperations() { return *m_lineOperations; }
    KitchenDispatch& kitchenDispatch() { return *m_kitchenDispatch; }
    KitchenMessages& kitchenMessages() { return *m_kitchenMessages; }
    TicketClosing& ticketClosing() { return *m_ticketClosing; }
    RegisterMessages& registerMessages() { return *m_registerMessages; }
    SetMenus& setMenus() { return *m_setMenus; }

Q_SIGNALS:
    void applicationEnded();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createViews();
    // A view hidden at start, made when first reached; the navigator gives it its place in the back-to-front order.
    template <typename View> QWidget* makeLater();
    void createSubsystems();
    void activate();
    void quit();
    void endApplication();

    SettingsStore m_settings;
    RegisterLink m_link;
    Session m_session;
    ProductTable m_products;
    Catalogue m_catalogue;
    HandlerGuard m_guard;
    bool m_activated = false;
    bool m_startingAutomatically = false;

    // back to front
    NoticeView* m_outdatedNotice = nullptr;
    ViewSlot<TableChoiceView> m_tableChoiceView;
    ViewSlot<ConfigView> m_configView;
    ViewSlot<PaymentView> m_paymentView;
    ViewSlot<SetMenuView> m_setMenuView;
    StartView* m_startView = nullptr;
    ViewSlot<MessageView> m_messageView;
    ViewSlot<PlanView> m_planView;
    ViewSlot<ParkingView> m_parkingView;
    ViewSlot<WaiterView> m_waiterView;
    TransientNotice* m_notice = nullptr;
    ViewSlot<TicketView> m_ticketView;

    std::unique_ptr<Navigator> m_navigator;
    std::unique_ptr<FrontFocus> m_frontFocus;
    std::unique_ptr<LinkProbe> m_linkProbe;
    std::unique_ptr<ConfigScreen> m_configScreen;
    std::unique_ptr<CatalogueLoad> m_catalogueLoad;
    std::unique_ptr<ServiceStart> m_serviceStart;
    std::unique_ptr<WaiterLogin> m_waiterLogin;
    std::unique_ptr<TicketDisplay> m_ticketDisplay;
    std::unique_ptr<Covers> m_covers;
    std::unique_ptr<TableChoice> m_tableChoice;
    std::unique_ptr<RoomPlan> m_roomPlan;
    std::unique_ptr<Supplements> m_supplements;
    std::unique_ptr<ArticleOrder> m_articleOrder;
    std::unique_ptr<LineOperations> m_lineOperations;
    std::unique_ptr<KitchenDispatch> m_kitchenDispatch;
    std::unique_ptr<KitchenMessages> m_kitchenMessages;
    std::unique_ptr<TicketClosing> m_ticketClosing;
    std::unique_ptr<RegisterMessages> m_registerMessages;
    std::unique_ptr<SetMenus> m_setMenus;
};
