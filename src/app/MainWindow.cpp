#include "MainWindow.h"

#include "CatalogueLoad.h"
#include "ConfigScreen.h"
#include "ConfigView.h"
#include "FrontFocus.h"
#include "LinkProbe.h"
#include "Navigator.h"
#include "NoticeView.h"
#include "ServiceStart.h"
#include "StartView.h"
#include "closing/MessageView.h"
#include "closing/PaymentView.h"
#include "closing/RegisterMessages.h"
#include "closing/TicketClosing.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "menus/SetMenus.h"
#include "settings/SettingsSlots.h"
#include "tables/Covers.h"
#include "tables/PlanView.h"
#include "tables/RoomPlan.h"
#include "tables/TableChoice.h"
#include "tables/TableChoiceView.h"
#include "ticket/ArticleOrder.h"
#include "ticket/KitchenDispatch.h"
#include "ticket/KitchenMessages.h"
#include "ticket/LineOperations.h"
#include "ticket/ParkingView.h"
#include "ticket/Supplements.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterLogin.h"
#include "waiters/WaiterView.h"
#include "widgets/Accessibility.h"
#include "widgets/DesignView.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

MainWindow::MainWindow(const QString& settingsFolder, QWidget* parent)
    : QWidget(parent), m_settings(settingsFolder), m_guard(this, m_link),
      m_tableChoiceView([this] { return makeLater<TableChoiceView>(); }),
      m_configView([this] { return makeLater<ConfigView>(); }),
      m_paymentView([this] { return makeLater<PaymentView>(); }),
      m_setMenuView([this] { return makeLater<SetMenuView>(); }),
      m_messageView([this] { return makeLater<MessageView>(); }), m_planView([this] { return makeLater<PlanView>(); }),
      m_parkingView([this] { return makeLater<ParkingView>(); }),
      m_waiterView([this] { return makeLater<WaiterView>(); }), m_ticketView([this] { return makeLater<TicketView>(); })
{
    Accessibility::install();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(DesignWidth, DesignHeight);
    createViews();
    createSubsystems();
}

MainWindow::~MainWindow()
{
    m_link.disconnect();
}

void MainWindow::createViews()
{
    // back to front: a later view covers an earlier one where both are visible
    m_outdatedNotice = new NoticeView(this);
    m_startView = new StartView(this);
    m_notice = new TransientNotice(this);
    m_navigator = std::make_unique<Navigator>(
        Navigator::Screens{m_startView, m_configView, m_outdatedNotice, m_waiterView, m_tableChoiceView, m_planView,
                           m_ticketView, m_paymentView, m_setMenuView, m_messageView, m_parkingView, m_notice});
    m_frontFocus = std::make_unique<FrontFocus>(this, [this] { return frontView(); });
    m_waiterView.whenMade([](WaiterView& view) { view.closeCodePanel(); });
}

template <typename View> QWidget* MainWindow::makeLater()
{
    auto* view = new View(this);
    view->hide();
    view->setGeometry(rect());
    return view;
}

void MainWindow::createSubsystems()
{
    // each subsystem gets what it drives, in the order a service meets them
    m_linkProbe = std::make_unique<LinkProbe>(m_link, m_guard, *m_startView, *m_navigator);
    m_configScreen = std::make_unique<ConfigScreen>(m_settings, m_link, m_configView, *m_startView, *m_navigator);
    const CatalogueLoad::Views catalogueViews{*m_startView,  m_waiterView,  m_ticketView, m_paymentView,
                                              m_parkingView, m_setMenuView, m_planView,   m_tableChoiceView};
    m_catalogueLoad = std::make_unique<CatalogueLoad>(m_link, m_settings, m_products, m_catalogue, *m_linkProbe,
                                                      catalogueViews, this);
    m_serviceStart = std::make_unique<ServiceStart>(m_link, m_settings, *m_catalogueLoad, *m_startView,
                                                    *m_outdatedNotice, *m_navigator);
    connect(m_serviceStart.get(), &ServiceStart::applicationEnded, this, &MainWindow::endApplication);
    m_waiterLogin = std::make_unique<WaiterLogin>(m_link, m_session, m_catalogue, m_guard, m_waiterView,
                                                  m_tableChoiceView, m_ticketView, *m_navigator);
    m_ticketDisplay = std::make_unique<TicketDisplay>(m_link, m_session, m_guard, m_ticketView, *m_navigator);
    m_covers = std::make_unique<Covers>(m_link, m_session, m_guard, m_tableChoiceView, *m_ticketDisplay, *m_navigator);
    m_tableChoice =
        std::make_unique<TableChoice>(m_link, m_session, m_settings, m_catalogue, m_guard, *m_notice, m_tableChoiceView,
                                      m_ticketView, *m_covers, *m_ticketDisplay, *m_navigator);
    connect(&m_catalogueLoad->tableButtons(), &TableButtons::tableTapped, this,
            [this](int table) { m_guard.run([&] { m_tableChoice->takeTableFromPlan(table); }); });
    m_roomPlan = std::make_unique<RoomPlan>(m_link, m_guard, m_catalogueLoad->tableButtons(), m_tableChoiceView,
                                            m_planView, m_ticketView, *m_navigator);
    m_supplements = std::make_unique<Supplements>(m_link, m_session, m_guard, m_parkingView, *m_ticketDisplay);
    m_articleOrder = std::make_unique<ArticleOrder>(
        m_link, m_session, m_products, m_catalogue, m_guard, m_catalogueLoad->productKeys(), m_ticketView,
        m_parkingView, *m_ticketDisplay, *m_supplements, *m_notice, *m_navigator, [this] { m_linkProbe->start(); });
    m_lineOperations =
        std::make_unique<LineOperations>(m_link, m_session, m_guard, m_ticketView, *m_ticketDisplay, *m_navigator);
    m_kitchenDispatch =
        std::make_unique<KitchenDispatch>(m_link, m_session, m_guard, m_ticketView, m_parkingView, *m_navigator);
    m_kitchenMessages =
        std::make_unique<KitchenMessages>(m_link, m_session, m_catalogue, m_products, m_guard, m_ticketView,
                                          [this] { return m_serviceStart->nextCourseSupported(); });
    m_ticketClosing = std::make_unique<TicketClosing>(m_link, m_session, m_guard, *m_notice, m_ticketView,
                                                      m_paymentView, *m_navigator);
    m_registerMessages =
        std::make_unique<RegisterMessages>(m_link, m_session, m_guard, m_ticketView, m_messageView, *m_navigator);
    m_setMenus = std::make_unique<SetMenus>(m_link, m_session, m_catalogue, m_products, m_guard, *m_notice,
                                            m_setMenuView, m_ticketView, m_parkingView, *m_navigator);

    m_guard.connect(m_startView->startButton(), &RedKey::clicked, this, [this] { m_serviceStart->startLocally(); });
    m_guard.connect(m_startView->configButton(), &QPushButton::clicked, this, [this] { m_configScreen->open(); });
    connect(m_startView->quitButton(), &QPushButton::clicked, this, [this] {
        // the automatic start is nobody's tap: "Quitter" is not dropped for it, and ends the terminal once the
        // exchange in progress is over
        if (m_startingAutomatically) {
            m_serviceStart->end();
            endApplication();
            return;
        }
        m_guard.run([this] { quit(); });
    });
    m_tableChoiceView.whenMade([this](TableChoiceView& view) {
        m_guard.connect(view.quitButton(), &QPushButton::clicked, this, [this] { quit(); });
    });
}

QWidget* MainWindow::view(const QString& name)
{
    if (QWidget* view = m_navigator->view(name))
        return view;
    return findChild<QWidget*>(name);
}

void MainWindow::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    m_session.reset();
    show();
    m_navigator->paintNow();
    m_configScreen->readSettings();
    const int ticketFontSize = width() / 35;
    m_ticketView.whenMade([ticketFontSize](TicketView& view) { view.setMemoFontSize(ticketFontSize); });
    const int paymentFontSize = width() / 30;
    m_paymentView.whenMade([paymentFontSize](PaymentView& view) { view.setMemoFontSize(paymentFontSize); });
    m_navigator->showStart();
    m_catalogueLoad->setStartSize(m_startView->size());
    m_link.disconnect();
    m_startView->forgetUnsetAddress();
    if (!m_settings[SettingsSlots::Address].isEmpty()) {
        m_startingAutomatically = true;
        m_guard.runSilently([this] { m_serviceStart->startAutomatically(); });
        m_startingAutomatically = false;
    }
    m_startView->enableStart();
}

void MainWindow::quit()
{
    // "Quitter" of the table choice leaves the plan when it is over it
    if (!m_navigator->closePlanIfOpen())
        endApplication();
}

void MainWindow::endApplication()
{
    Q_EMIT applicationEnded();
}

bool MainWindow::event(QEvent* event)
{
    // the first activation starts the terminal once the event that brought it has been handled
    if (event->type() == QEvent::WindowActivate && !m_activated)
        QTimer::singleShot(0, this, &MainWindow::activate);
    return QWidget::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QObject* child : children()) {
        if (auto* view = qobject_cast<DesignView*>(child))
            view->setGeometry(rect());
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_link.disconnect();
    QWidget::closeEvent(event);
}
