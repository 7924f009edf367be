#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "link/RegisterLink.h"
#include "settings/SettingsStore.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class CatalogueLoad;
class ChoixTableView;
class ConfigScreen;
class ConfigView;
class Covers;
class DesignView;
class EncaissementView;
class FormuleView;
class InitView;
class MessagesView;
class NoticeView;
class PlanView;
class PoubelleView;
class QLabel;
class QTimer;
class RoomPlan;
class ServeurView;
class ServiceStart;
class TableChoice;
class TicketDisplay;
class TicketView;
class WaiterLogin;

// The terminal's one window: it owns every view, the settings, the register link and the service state.
// The subsystems own their handlers and reach the views and the state through it.
class TForm4 final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 403;
    static constexpr int DesignHeight = 651;

    explicit TForm4(const QString& settingsFolder = SettingsStore::defaultFolder(), QWidget* parent = nullptr);
    ~TForm4() override;

    // service state
    QString numserveur;
    QString numtable;
    QString nbcouverts = QStringLiteral("0");
    QString reponse;
    QStringList info;
    bool reload = false;
    bool suiteok = false;
    int largeurinit = 0;
    int hauteurinit = 0;

    SettingsStore& settings() { return m_settings; }
    RegisterLink& tCPClient() { return m_link; }
    ServiceStart& serviceStart() { return *m_serviceStart; }
    ConfigScreen& configScreen() { return *m_configScreen; }
    ProductTable& prod() { return m_prod; }
    Catalogue& catalogue() { return m_catalogue; }
    CatalogueLoad& catalogueLoad() { return *m_catalogueLoad; }
    WaiterLogin& waiterLogin() { return *m_waiterLogin; }
    TicketDisplay& ticketDisplay() { return *m_ticketDisplay; }
    TableChoice& tableChoice() { return *m_tableChoice; }
    Covers& covers() { return *m_covers; }
    RoomPlan& roomPlan() { return *m_roomPlan; }
    bool lanceunefois() const { return m_lanceunefois; }

    NoticeView* Rectangle12() const { return m_rectangle12; }
    ChoixTableView* choixtable() const { return m_choixtable; }
    ConfigView* config() const { return m_config; }
    EncaissementView* encaissement() const { return m_encaissement; }
    FormuleView* formule() const { return m_formule; }
    InitView* init() const { return m_init; }
    MessagesView* messages() const { return m_messages; }
    PlanView* plan() const { return m_plan; }
    PoubelleView* poubelle() const { return m_poubelle; }
    ServeurView* serveur() const { return m_serveur; }
    QLabel* Textmess() const { return m_textmess; }
    TicketView* ticket() const { return m_ticket; }
    QTimer* Timer1() const { return m_timer1; }
    QTimer* Timer3() const { return m_timer3; }

    // The view the waiter sees: the visible one latest in the stack order.
    QWidget* frontView() const;

    void litsettings();
    bool sauvesettings();
    void lit_clavier();

    void FormActivate();
    void Timer1Timer();
    void Timer3Timer();
    void QuitterClick();
    void endApplication();

    // Runs a handler; a link or number error it does not catch itself reaches the general error display.
    template <typename Handler> void guarded(Handler&& handler);
    void showError(const QString& text);

Q_SIGNALS:
    void applicationEnded();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createViews();
    void wireControls();

    SettingsStore m_settings;
    RegisterLink m_link;
    std::unique_ptr<ServiceStart> m_serviceStart;
    std::unique_ptr<ConfigScreen> m_configScreen;
    ProductTable m_prod;
    Catalogue m_catalogue;
    std::unique_ptr<CatalogueLoad> m_catalogueLoad;
    std::unique_ptr<WaiterLogin> m_waiterLogin;
    std::unique_ptr<TicketDisplay> m_ticketDisplay;
    std::unique_ptr<TableChoice> m_tableChoice;
    std::unique_ptr<Covers> m_covers;
    std::unique_ptr<RoomPlan> m_roomPlan;
    bool m_lanceunefois = false;

    NoticeView* m_rectangle12 = nullptr;
    ChoixTableView* m_choixtable = nullptr;
    ConfigView* m_config = nullptr;
    EncaissementView* m_encaissement = nullptr;
    FormuleView* m_formule = nullptr;
    InitView* m_init = nullptr;
    MessagesView* m_messages = nullptr;
    PlanView* m_plan = nullptr;
    PoubelleView* m_poubelle = nullptr;
    ServeurView* m_serveur = nullptr;
    QLabel* m_textmess = nullptr;
    TicketView* m_ticket = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer3 = nullptr;
};

#include "catalogue/FormatError.h"
#include "link/LinkError.h"

template <typename Handler> void TForm4::guarded(Handler&& handler)
{
    try {
        handler();
    } catch (const LinkError& error) {
        showError(error.text());
    } catch (const FormatError& error) {
        showError(error.text());
    }
}
