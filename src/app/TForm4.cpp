#include "TForm4.h"

#include "ConfigScreen.h"
#include "ConfigView.h"
#include "InitView.h"
#include "MessageBox.h"
#include "NoticeView.h"
#include "Palette.h"
#include "catalogue/CatalogueLoad.h"
#include "closing/EncaissementView.h"
#include "closing/MessagesView.h"
#include "link/ServiceStart.h"
#include "menus/FormuleView.h"
#include "tables/ChoixTableView.h"
#include "tables/Covers.h"
#include "tables/PlanView.h"
#include "tables/RoomPlan.h"
#include "tables/TableChoice.h"
#include "ticket/PoubelleView.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "waiters/ServeurView.h"
#include "waiters/WaiterLogin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "Fonts.h"
#include "RedKey.h"

TForm4::TForm4(const QString& settingsFolder, QWidget* parent)
    : QWidget(parent), m_settings(settingsFolder), m_serviceStart(std::make_unique<ServiceStart>(*this))
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(DesignWidth, DesignHeight);
    createViews();
    m_configScreen = std::make_unique<ConfigScreen>(*this);
    m_catalogueLoad = std::make_unique<CatalogueLoad>(*this);
    m_waiterLogin = std::make_unique<WaiterLogin>(*this);
    m_ticketDisplay = std::make_unique<TicketDisplay>(*this);
    m_tableChoice = std::make_unique<TableChoice>(*this);
    m_covers = std::make_unique<Covers>(*this);
    m_roomPlan = std::make_unique<RoomPlan>(*this);
    wireControls();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    m_timer1->start();

    m_timer3 = new QTimer(this);
    m_timer3->setObjectName(QStringLiteral("Timer3"));
    m_timer3->setInterval(1000);
    connect(m_timer3, &QTimer::timeout, this, &TForm4::Timer3Timer);

    m_serveur->Rectangle11()->hide();
}

TForm4::~TForm4()
{
    m_link.disconnect();
}

void TForm4::createViews()
{
    // back to front: a later view covers an earlier one where both are visible
    m_rectangle12 = new NoticeView(this);
    m_choixtable = new ChoixTableView(this);
    m_config = new ConfigView(this);
    m_encaissement = new EncaissementView(this);
    m_formule = new FormuleView(this);
    m_init = new InitView(this);
    m_messages = new MessagesView(this);
    m_plan = new PlanView(this);
    m_poubelle = new PoubelleView(this);
    m_serveur = new ServeurView(this);
    m_textmess = new QLabel(QStringLiteral("Impossible"), this);
    m_textmess->setObjectName(QStringLiteral("Textmess"));
    m_textmess->setAlignment(Qt::AlignCenter);
    m_textmess->setWordWrap(true);
    m_textmess->setFont(Fonts::plain(16, true));
    QPalette textmessPalette = m_textmess->palette();
    textmessPalette.setColor(QPalette::WindowText, Palette::Caption);
    m_textmess->setPalette(textmessPalette);
    m_ticket = new TicketView(this);

    for (QWidget* view : QList<QWidget*>{m_rectangle12, m_choixtable, m_config, m_encaissement, m_formule, m_messages,
                                         m_plan, m_poubelle, m_serveur, m_textmess, m_ticket})
        view->hide();
}

void TForm4::wireControls()
{
    connect(m_init->Edit1(), &QLineEdit::textChanged, this, [this](const QString& text) { m_settings[0] = text; });
    connect(m_init->button4(), &RedKey::clicked, this, [this] { guarded([this] { m_serviceStart->lanceappli(); }); });
    connect(m_init->Button28(), &QPushButton::clicked, this, &TForm4::QuitterClick);
    connect(m_choixtable->Quitter(), &QPushButton::clicked, this, &TForm4::QuitterClick);
    connect(m_init->Button1(), &QPushButton::clicked, this, [this] { m_configScreen->Button1Click(); });
}

QWidget* TForm4::frontView() const
{
    const QObjectList& views = children();
    for (auto it = views.crbegin(); it != views.crend(); ++it) {
        auto* view = qobject_cast<QWidget*>(*it);
        if (view && view->isVisible() && view != m_textmess)
            return view;
    }
    return nullptr;
}

void TForm4::litsettings()
{
    if (!m_settings.read())
        return;
    m_configScreen->setSwitchesFromSettings();
    m_link.setPort(RegisterLink::Port);
    if (!m_settings[0].isEmpty()) {
        m_link.setHost(m_settings[0]);
        m_init->Edit1()->setText(m_settings[0]);
    } else {
        m_link.setHost(m_init->Edit1()->text());
    }
}

bool TForm4::sauvesettings()
{
    const SettingsStore::SaveResult result = m_settings.save();
    if (!result.ok)
        MessageBox::show(this, QStringLiteral("Impossible d'écrire dans ") + result.failedPath);
    return result.ok;
}

void TForm4::lit_clavier()
{
    m_catalogueLoad->lit_clavier();
}

void TForm4::FormActivate()
{
    if (m_lanceunefois)
        return;
    m_lanceunefois = true;
    m_textmess->hide();
    numserveur = QStringLiteral("1");
    numtable = QStringLiteral("0");
    show();
    QCoreApplication::processEvents();
    m_poubelle->hide();
    litsettings();
    m_ticket->panel_annul()->hide();
    m_init->Edit1()->setText(m_settings[0]);
    m_ticket->Memo1()->setFont(Fonts::fixedBold(width() / 35));
    m_encaissement->Memo3()->setFont(Fonts::fixedBold(width() / 30));
    for (QWidget* view : QList<QWidget*>{m_ticket, m_choixtable->Panelcouv(), m_ticket->Panel2(), m_serveur, m_config,
                                         m_choixtable, m_encaissement, m_formule, m_plan})
        view->hide();
    m_init->show();
    QCoreApplication::processEvents();
    hauteurinit = m_init->height();
    largeurinit = m_init->width();
    m_ticket->panel_env_cuis()->hide();
    m_link.disconnect();
    m_messages->hide();
    if (m_init->Edit1()->text() == QLatin1String("0"))
        m_init->Edit1()->clear();
    m_init->show();
    if (!m_settings[0].isEmpty())
        m_serviceStart->automaticStart();
    m_init->button4()->setEnabled(true);
}

void TForm4::Timer1Timer()
{
    m_ticket->Memoart()->hide();
    m_timer1->stop();
}

void TForm4::Timer3Timer()
{
    if (m_init->isVisible() || m_link.connected())
        return;
    bool reached = false;
    try {
        reached = m_link.echange(QStringLiteral("connect")) == QLatin1String("OK");
    } catch (const LinkError&) {
        reached = false;
    }
    if (!reached) {
        m_init->show();
        m_init->raise();
    }
}

void TForm4::QuitterClick()
{
    if (m_plan->isVisible())
        m_plan->hide();
    else
        endApplication();
}

void TForm4::endApplication()
{
    Q_EMIT applicationEnded();
}

void TForm4::showError(const QString& text)
{
    MessageBox::show(this, text);
}

bool TForm4::event(QEvent* event)
{
    // the first activation starts the terminal once the event that brought it has been handled
    if (event->type() == QEvent::WindowActivate && !m_lanceunefois)
        QTimer::singleShot(0, this, &TForm4::FormActivate);
    return QWidget::event(event);
}

void TForm4::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QObject* child : children()) {
        if (auto* view = qobject_cast<DesignView*>(child))
            view->setGeometry(rect());
    }
}

void TForm4::closeEvent(QCloseEvent* event)
{
    m_link.disconnect();
    QWidget::closeEvent(event);
}
