#include "ServiceStart.h"

#include "LinkError.h"
#include "ReplyText.h"
#include "VersionCheck.h"
#include "app/ExchangeSequence.h"
#include "app/InitView.h"
#include "app/InputBlocker.h"
#include "app/MessageBox.h"
#include "app/NoticeView.h"
#include "app/TForm4.h"
#include "catalogue/FormatError.h"
#include "tables/PlanView.h"
#include "waiters/ServeurView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString OutdatedNotice =
    QStringList{
        QStringLiteral("Votre version de Quillobrand Premium est ancienne"),
        QStringLiteral("et"),
        QStringLiteral("ne sera bientôt plus compatible avec les applications tablettes"),
        QStringLiteral("Cette version tablette est compatible avec "),
        QStringLiteral("Quillobrand Premium V6.0.00 minimum"),
        QString(),
        QStringLiteral("A chaque mise à jour de Quillobrand Tablette"),
        QStringLiteral("Mettez à jour Quillobrand Premium sur votre caisse"),
        QStringLiteral("(après avoir vérifié vos droits aux mises à jour)"),
    }
        .join(QStringLiteral("\r\n"));

ExchangeOptions versionOptions(bool secondRead)
{
    ExchangeOptions options;
    options.fresh = true;
    options.settleMs = 20;
    options.pauseMs = 120;
    options.secondRead = secondRead;
    return options;
}

void processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace

ServiceStart::ServiceStart(TForm4& form) : m_form(form) {}

void ServiceStart::automaticStart()
{
    RegisterLink& link = m_form.tCPClient();
    const QString address = m_form.settings()[0];
    try {
        link.setPort(RegisterLink::Port);
        link.setHost(address);
        m_form.init()->Edit1()->setText(address);
        m_form.reponse = link.echange(VersionCheck::FirstRequest, versionOptions(false));
    } catch (const LinkError&) {
        return;
    }
    try {
        lanceappli();
    } catch (const LinkError&) {
        // the local start reports its own failures; what escapes it stays silent at start-up
    } catch (const FormatError&) {
    }
}

void ServiceStart::lanceappli()
{
    // a second tap while the start runs would interleave its exchanges with this one's
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;

    InitView* init = m_form.init();
    RegisterLink& link = m_form.tCPClient();
    link.setConnectTimeout(RegisterLink::StartConnectTimeoutMs);
    init->text1()->setText(QStringLiteral("Vérification de la version"));
    processEvents();
    link.setPort(RegisterLink::Port);

    const QString address = init->Edit1()->text();
    if ((address.isEmpty() || address == QLatin1String("0")) && m_form.settings()[0].isEmpty()) {
        MessageBox::show(&m_form, QStringLiteral("Saisissez l'adresse de la caisse"));
        return;
    }
    link.setHost(address);

    if (!firstExchange() || !secondExchange())
        return;

    m_form.suiteok = true;
    if (m_form.reponse == VersionCheck::Compatible) {
        processEvents();
        m_form.settings()[0] = init->Edit1()->text();
        m_form.lit_clavier();
        m_form.serveur()->show();
        processEvents();
        init->hide();
        processEvents();
    } else {
        m_form.suiteok = false;
        showOutdatedNotice();
    }
}

bool ServiceStart::firstExchange()
{
    InitView* init = m_form.init();
    VersionCheck::FirstReply first;
    try {
        m_form.reponse = m_form.tCPClient().echange(VersionCheck::FirstRequest, versionOptions(true));
        if (m_form.reponse == VersionCheck::Closed) {
            MessageBox::show(&m_form, QStringLiteral("La caisse est cloturée"));
            return false;
        }
        m_form.info = Split(m_form.reponse, QStringLiteral("~"));
        first = VersionCheck::parseFirstReply(m_form.reponse);
        if (!first.valid)
            throw LinkError(QStringLiteral("Réponse de version incomplète"));
        m_form.reload = first.stamp != m_form.settings()[10];
        m_form.settings()[10] = first.stamp;
    } catch (const LinkError&) {
        init->text1()->clear();
        processEvents();
        MessageBox::show(&m_form, QStringLiteral("Vérifiez votre l'adresse de la caisse"));
        init->Edit1()->clear();
        return false;
    }
    if (!first.accepted) {
        MessageBox::show(&m_form, QStringLiteral("Votre version de Quillobrand doit être mis à jour"));
        return false;
    }
    return true;
}

bool ServiceStart::secondExchange()
{
    InitView* init = m_form.init();
    RegisterLink& link = m_form.tCPClient();
    m_form.reponse.clear();
    bool failed = false;
    try {
        if (!link.connected())
            link.connectToRegister();
    } catch (const LinkError&) {
        failed = true;
    }
    if (!failed) {
        try {
            ExchangeOptions options;
            options.settleMs = 20;
            options.pauseMs = 20;
            m_form.reponse = link.echange(VersionCheck::secondRequest(m_clock()), options);
        } catch (const LinkError&) {
            failed = true;
        }
        init->text1()->clear();
        processEvents();
    }
    link.disconnect();
    if (failed) {
        MessageBox::show(&m_form, QStringLiteral("Vérifiez votre adresse IP"));
        init->Edit1()->clear();
    }
    return !failed;
}

void ServiceStart::showOutdatedNotice()
{
    NoticeView* notice = m_form.Rectangle12();
    notice->Labelmess()->setText(OutdatedNotice);
    notice->raise();
    notice->show();
    m_form.init()->text1()->clear();
    processEvents();
    InputBlocker::holdFor(m_noticeMs);
    notice->hide();
    if (m_form.plan()->isVisible())
        m_form.plan()->hide();
    else
        m_form.endApplication();
}
