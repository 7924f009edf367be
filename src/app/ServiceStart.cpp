#include "ServiceStart.h"

#include "CatalogueLoad.h"
#include "NoticeView.h"
#include "StartView.h"
#include "link/RegisterLink.h"
#include "link/VersionCheck.h"
#include "session/Session.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "widgets/InputBlocker.h"
#include "widgets/MessageBox.h"
#include "widgets/Navigation.h"

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

// Typing in the address box while a start runs changes nothing: the start keeps the address it began with.
class AddressLock final
{
public:
    explicit AddressLock(StartView& view) : m_view(view) { m_view.lockAddress(true); }
    ~AddressLock() { m_view.lockAddress(false); }
    AddressLock(const AddressLock&) = delete;
    AddressLock& operator=(const AddressLock&) = delete;

private:
    StartView& m_view;
};

} // namespace

ServiceStart::ServiceStart(RegisterLink& link, SettingsStore& settings, CatalogueLoad& catalogueLoad,
                           StartView& startView, NoticeView& outdatedNotice, Navigation& screens)
    : m_link(link), m_settings(settings), m_catalogueLoad(catalogueLoad), m_startView(startView),
      m_outdatedNotice(outdatedNotice), m_screens(screens)
{
}

void ServiceStart::startAutomatically()
{
    const QString address = m_settings[SettingsSlots::Address];
    m_link.setHost(address);
    m_startView.setAddress(address);
    if (m_link.exchange(Session::versionProbe()).ok() && !m_ending)
        startLocally();
}

void ServiceStart::end()
{
    m_ending = true;
    m_catalogueLoad.end();
}

void ServiceStart::startLocally()
{
    const AddressLock lock(m_startView);
    m_link.setConnectTimeout(RegisterLink::StartConnectTimeoutMs);
    m_startView.showStatus(QStringLiteral("Vérification de la version"));
    m_screens.paintNow();
    if (m_ending)
        return;

    const QString address = m_startView.address();
    if ((address.isEmpty() || address == QLatin1String("0")) && m_settings[SettingsSlots::Address].isEmpty()) {
        MessageBox::show(&m_startView, QStringLiteral("Saisissez l'adresse de la caisse"));
        return;
    }
    m_link.setHost(address);

    const std::optional<QString> stamp = checkRegister();
    QString reply;
    if (!stamp || m_ending || !checkVersion(reply) || m_ending)
        return;

    m_nextCourseSupported = true;
    if (reply == VersionCheck::Compatible) {
        m_screens.paintNow();
        m_settings[SettingsSlots::Address] = address;
        // the stamp is stored with the catalogue it names, once that is whole and saved
        if (!m_catalogueLoad.load(*stamp != m_settings[SettingsSlots::DataStamp], *stamp))
            return;
        m_screens.enterService();
    } else {
        m_nextCourseSupported = false;
        showOutdatedNotice();
    }
}

std::optional<QString> ServiceStart::checkRegister()
{
    // the register takes its time over the version: the cache is read and the waiter keys made meanwhile, for the
    // load and the service that may follow
    const RegisterLink::PauseWork readAhead(m_link, [this] {
        m_catalogueLoad.readCacheAhead();
        m_screens.prepareService();
    });
    const Exchange done = m_link.exchange(Session::versionQuery());
    if (done.ok() && done.reply == VersionCheck::Closed) {
        MessageBox::show(&m_startView, QStringLiteral("La caisse est cloturée"));
        return std::nullopt;
    }
    // a reply that is not a version reply is handled as a failed exchange
    const VersionCheck::FirstReply first =
        done.ok() ? VersionCheck::parseFirstReply(done.reply) : VersionCheck::FirstReply{};
    if (!first.valid) {
        m_startView.clearStatus();
        m_screens.paintNow();
        MessageBox::show(&m_startView, QStringLiteral("Vérifiez votre l'adresse de la caisse"));
        m_startView.clearAddress();
        return std::nullopt;
    }
    if (!first.accepted) {
        MessageBox::show(&m_startView, QStringLiteral("Votre version de Quillobrand doit être mis à jour"));
        return std::nullopt;
    }
    return first.stamp;
}

bool ServiceStart::checkVersion(QString& reply)
{
    const Exchange done = m_link.exchange(Session::versionDateQuery(m_clock()));
    reply = done.reply;
    // no reply in time is a link that failed, not a register too old
    const bool failed = done.failed || reply.isEmpty();
    // a register that could not be connected to leaves the status line as it was
    if (done.connected) {
        m_startView.clearStatus();
        m_screens.paintNow();
    }
    m_link.disconnect();
    if (failed && !m_ending) {
        MessageBox::show(&m_startView, QStringLiteral("Vérifiez votre adresse IP"));
        m_startView.clearAddress();
    }
    return !failed;
}

void ServiceStart::showOutdatedNotice()
{
    m_outdatedNotice.setText(OutdatedNotice);
    m_screens.showOutdatedNotice();
    m_startView.clearStatus();
    m_screens.paintNow();
    InputBlocker::holdFor(m_noticeMs);
    m_screens.hideOutdatedNotice();
    if (!m_screens.closePlanIfOpen())
        Q_EMIT applicationEnded();
}
