#include "TerminalFixture.h"

#include "ScriptedRegister.h"
#include "app/StartView.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "ticket/TicketView.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QTest>

TerminalFixture::TerminalFixture(const QString& settingsText, const QString& ownFolder)
    : folderPath(ownFolder.isEmpty() ? folder.path() : ownFolder)
{
    if (!settingsText.isEmpty())
        writeSettings(settingsText);
    MessageBox::setHandler([this](const QString& text) {
        messages.append(text);
        if (onMessage)
            onMessage();
    });
    form = std::make_unique<MainWindow>(folderPath);
}

TerminalFixture::~TerminalFixture()
{
    MessageBox::setHandler({});
}

bool TerminalFixture::activate()
{
    form->show();
    form->activateWindow();
    return QTest::qWaitFor(
        [this] { return form->activated() && find<QWidget>(QStringLiteral("button4"))->isEnabled(); });
}

QString TerminalFixture::cachedCatalogue(const QString& stamp, const QString& address)
{
    QString text = QStringLiteral("[data]\n0=%1\n").arg(address);
    for (int slot = 1; slot < SettingsFormat::SlotCount; ++slot) {
        QString value;
        if (slot >= SettingsSlots::AutoStart && slot <= SettingsSlots::DoubleTap)
            value = QString::number(slot);
        else if (slot == SettingsSlots::DataStamp)
            value = stamp;
        else if (slot == SettingsSlots::TabsAndWaiters)
            value = QStringLiteral("Aperitifs;#Camille;");
        else if (slot == SettingsSlots::KitchenLists)
            value = QStringLiteral("##########");
        else if (slot == SettingsSlots::TablePlan)
            value = QStringLiteral("$$$$$");
        text += QStringLiteral("%1=%2\n").arg(slot).arg(value);
    }
    return text;
}

void TerminalFixture::linkTo(const ScriptedRegister& caisse)
{
    form->link().setHost(caisse.address());
    form->link().setPort(caisse.port());
}

void TerminalFixture::openTicketOfTable12()
{
    form->session().setTable(QStringLiteral("12"));
    form->session().setCovers(QStringLiteral("4"));
    form->session().setWaiter(2);
    form->findChild<StartView*>()->hide();
    ticketView()->show();
}

TicketView* TerminalFixture::ticketView() const
{
    return qobject_cast<TicketView*>(form->view(QStringLiteral("ticket")));
}

QString TerminalFixture::settingsPath() const
{
    return QDir(folderPath).filePath(SettingsStore::FileName);
}

void TerminalFixture::writeSettings(const QString& text) const
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}
