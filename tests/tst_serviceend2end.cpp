#include "SimProcess.h"

#include "app/MessageBox.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "tables/ChoixTableView.h"
#include "waiters/CodeEdit.h"
#include "waiters/ServeurView.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.126");
constexpr int StartMs = 20000;

} // namespace

// A service against the register simulator run as its own process, on its sample restaurant.
class tst_ServiceEnd2End : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void waiterLogsInWithHisCodeTypedDigitByDigit();

private:
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TForm4> m_form;
    QStringList m_messages;
};

// A terminal whose settings know the register's address: its activation starts the service on its own.
void tst_ServiceEnd2End::init()
{
    m_sim = std::make_unique<SimProcess>(SimAddress);
    QVERIFY(m_sim->isListening());
    m_folder = std::make_unique<QTemporaryDir>();
    QFile file(m_folder->filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[data]\n0=" + SimAddress.toLatin1() + "\n");
    file.close();
    m_messages.clear();
    MessageBox::setHandler([this](const QString& text) { m_messages.append(text); });
    m_form = std::make_unique<TForm4>(m_folder->path());
    m_form->show();
    m_form->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(m_form->frontView(), m_form->serveur(), StartMs);
}

void tst_ServiceEnd2End::cleanup()
{
    m_form.reset();
    MessageBox::setHandler({});
    m_sim.reset();
}

void tst_ServiceEnd2End::waiterLogsInWithHisCodeTypedDigitByDigit()
{
    ServeurView* serveur = m_form->serveur();
    QTest::mouseClick(serveur->s1(), Qt::LeftButton);
    QVERIFY(serveur->Rectangle11()->isVisible());

    QTest::keyClicks(serveur->Edit3(), QStringLiteral("4826"));

    ChoixTableView* choixtable = m_form->choixtable();
    QCOMPARE(m_form->frontView(), choixtable);
    QCOMPARE(choixtable->Label12()->text(), QStringLiteral("Camille Aucune Table"));
    QCOMPARE(choixtable->Button17()->text(), QStringLiteral("Se déconnecter du compte Camille"));
    QCOMPARE(m_form->numserveur, QStringLiteral("1"));
    QCOMPARE(m_messages, QStringList{});
    const QStringList requests = m_sim->log().split(QLatin1Char('\n')).filter(QStringLiteral(" <- code"));
    QCOMPARE(requests.size(), 5);
    QVERIFY(requests.constLast().endsWith(QStringLiteral("<- code1$1$4826$")));
}

QTEST_MAIN(tst_ServiceEnd2End)
#include "tst_serviceend2end.moc"
