// The configuration screen and the switch slots of the settings.

#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/ConfigScreen.h"
#include "app/ConfigView.h"
#include "app/MainWindow.h"
#include "app/StartView.h"
#include "settings/SettingsSlots.h"
#include "waiters/WaiterView.h"
#include "widgets/Fonts.h"
#include "widgets/RedKey.h"
#include "widgets/ToggleSwitch.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

// A saved register address; the link is pointed at a port nothing listens on, so an automatic start to it fails at
// once and silently.
const QString SavedAddress = QStringLiteral("127.0.0.1");

quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

// A window on a settings folder of its own, its modal messages collected instead of shown.
struct Terminal : TerminalFixture
{
    explicit Terminal(const QString& settingsText = QString()) : TerminalFixture(settingsText)
    {
        form->link().setPort(closedPort());
    }

    QString savedSlot(int slot) const
    {
        QSettings file(settingsPath(), QSettings::IniFormat);
        return file.value(QStringLiteral("data/%1").arg(slot), QStringLiteral("<missing>")).toString();
    }

    // "Configuration" touched on the start view.
    void open() const { QTest::mouseClick(find<QPushButton>(QStringLiteral("Button1")), Qt::LeftButton); }

    // made now when the flow has not opened it yet
    ConfigView* config() const { return qobject_cast<ConfigView*>(form->view(QStringLiteral("config"))); }
    StartView* startView() const { return find<StartView>(QStringLiteral("init")); }
    ToggleSwitch* switchNamed(const QString& name) const { return config()->findChild<ToggleSwitch*>(name); }
};

} // namespace

class tst_Config : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingShowsTheConfigurationFillingTheWindow();
    void controlsOfTheView();
    void titleKeepsItsFont();
    void switchStoresItsSlot_data();
    void switchStoresItsSlot();
    void switchesFollowTheFileOnOpening_data();
    void switchesFollowTheFileOnOpening();
    void leavingWithoutSavingKeepsTheChangeInMemory();
    void savingWritesTheFile();
    void writeFailureKeepsTheScreenOpen();
    void bottomButtonsShareTheBottomTenth();
    void openingDiscardsAnUnsavedAddress();
    void configurationIsIgnoredWhileTheStartRuns();
};

void tst_Config::openingShowsTheConfigurationFillingTheWindow()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    QVERIFY(!terminal.config()->isVisible());
    terminal.open();
    QVERIFY(terminal.config()->isVisible());
    QVERIFY(!terminal.startView()->isVisible());
    QCOMPARE(terminal.config()->geometry(), terminal.form->rect());
    QCOMPARE(terminal.form->frontView(), terminal.config());
}

void tst_Config::controlsOfTheView()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.open();
    ConfigView* config = terminal.config();
    const auto text = [config](const char* name) {
        auto* label = config->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    };
    QCOMPARE(text("Label19"),
             QStringLiteral("Cet application permet de piloter à distance (à la table du client ou en second poste "
                            "d'encaissement). Téléchargez sur le site internet Quillobrand le logiciel d'encaissement "
                            "compatible avec cette application. Le logiciel Quillobrand Premium est compatible tous "
                            "ordinateurs et toutes versions de Windows."));
    QCOMPARE(text("Label70"), QStringLiteral("Vous pouvez nous contacter par mail à contact@commande-salle.fr"));
    QCOMPARE(text("Label3"), QStringLiteral("Réglage des paramètres"));
    QCOMPARE(text("Label8"), QStringLiteral("Non"));
    QCOMPARE(text("Label7"), QStringLiteral("Oui"));
    QCOMPARE(text("Label4"),
             QStringLiteral("Lancer automatiquement l'application en local avec la dernière adresse valide"));
    QCOMPARE(text("Label5"), QStringLiteral("Utiliser un plan de salle graphique"));
    QCOMPARE(text("Label9"), QStringLiteral("Demander le nombre de couverts"));
    QCOMPARE(text("Label72"), QStringLiteral("Ajout article sur double click"));
    QCOMPARE(text("Label6"), QStringLiteral("adresse email de l'utilisateur"));
    QCOMPARE(config->leaveWithoutSavingButton()->text(), QStringLiteral("Quitter sans sauvegarder la configuration"));
    QCOMPARE(config->saveButton()->text(), QStringLiteral("Sauvegarder la configuration"));
    QVERIFY(config->findChild<QWidget*>(QStringLiteral("Panel3")));

    // the switches sit in their design boxes, 44 × 26, scaled from the 366 × 603 design to 403 × 651
    const double sx = 403.0 / 366, sy = 651.0 / 603;
    const struct
    {
        const char* name;
        double y;
    } switches[] = {{"Switch1", 221}, {"Switch2", 274}, {"Switch3", 328}, {"Switch4", 376}};
    for (const auto& s : switches) {
        ToggleSwitch* control = terminal.switchNamed(QString::fromLatin1(s.name));
        QVERIFY2(control, s.name);
        QVERIFY(control->isCheckable());
        QVERIFY(qAbs(control->x() - 6 * sx) <= 1);
        QVERIFY(qAbs(control->y() - s.y * sy) <= 1);
        QVERIFY(qAbs(control->width() - 44 * sx) <= 1);
        QVERIFY(qAbs(control->height() - 26 * sy) <= 1);
    }

    // Edit2: a clear button; its text is neither used nor saved
    QLineEdit* edit2 = config->emailEdit();
    QCOMPARE(edit2->objectName(), QStringLiteral("Edit2"));
    QVERIFY(edit2->isClearButtonEnabled());
    edit2->setText(QStringLiteral("serveur@exemple.fr"));
    QVERIFY(!terminal.form->settings().slots().contains(QStringLiteral("serveur@exemple.fr")));
    QTest::mouseClick(config->saveButton(), Qt::LeftButton);
    QVERIFY(!QString::fromUtf8([&] {
                 QFile file(terminal.settingsPath());
                 return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
             }())
                 .contains(QStringLiteral("serveur@exemple.fr")));
}

// "Réglage des paramètres" in the titles' face, 36 bold, whatever the window's size; its box follows the window.
void tst_Config::titleKeepsItsFont()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.form->resize(806, 1206);
    terminal.open();
    QLabel* title = terminal.config()->titleLabel();
    QCOMPARE(title->text(), QStringLiteral("Réglage des paramètres"));
    QCOMPARE(title->font().pixelSize(), 36);
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().family(), Fonts::title(36).family());
    QCOMPARE(title->width(), 806);
    QCOMPARE(terminal.config()->leaveWithoutSavingButton()->font().pixelSize(), 11);
}

void tst_Config::switchStoresItsSlot_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("stored");

    QTest::newRow("Switch1 on") << "Switch1" << 1 << true << "1";
    QTest::newRow("Switch1 off") << "Switch1" << 1 << false << "0";
    QTest::newRow("Switch2 on") << "Switch2" << 2 << true << "1";
    QTest::newRow("Switch2 off") << "Switch2" << 2 << false << "0";
    QTest::newRow("Switch3 on") << "Switch3" << 3 << true << "1";
    QTest::newRow("Switch3 off") << "Switch3" << 3 << false << "0";
    // inverted: on means single tap
    QTest::newRow("Switch4 on") << "Switch4" << 4 << true << "0";
    QTest::newRow("Switch4 off") << "Switch4" << 4 << false << "1";
}

void tst_Config::switchStoresItsSlot()
{
    QFETCH(QString, control);
    QFETCH(int, slot);
    QFETCH(bool, on);
    QFETCH(QString, stored);

    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.open();
    ToggleSwitch* toggle = terminal.switchNamed(control);
    QVERIFY(toggle);
    // a tap that does not reach the wanted state is followed by a second one
    if (toggle->isChecked() == on)
        QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->isChecked(), !on);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->isChecked(), on);
    QCOMPARE(terminal.form->settings()[slot], stored);
    // at once and in memory only
    QVERIFY(!QFile::exists(terminal.settingsPath()));
}

void tst_Config::switchesFollowTheFileOnOpening_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<bool>>("on");
    QTest::addColumn<QStringList>("slots");

    // no file: slots 1 to 4 read their defaults "1", "2", "3", "4"
    QTest::newRow("no file") << QString() << QList<bool>{true, false, false, true} << QStringList{"1", "2", "3", "4"};
    QTest::newRow("all on, single tap 0") << "[data]\n1=1\n2=1\n3=1\n4=0\n"
                                          << QList<bool>{true, true, true, true} << QStringList{"1", "1", "1", "0"};
    QTest::newRow("slot 4 default") << "[data]\n1=0\n2=0\n3=0\n4=4\n"
                                    << QList<bool>{false, false, false, true} << QStringList{"0", "0", "0", "4"};
    QTest::newRow("double tap") << "[data]\n1=0\n2=1\n3=0\n4=1\n"
                                << QList<bool>{false, true, false, false} << QStringList{"0", "1", "0", "1"};
    // only exactly "1" is on for switches 1 to 3
    QTest::newRow("other texts") << "[data]\n1=yes\n2=11\n3= 1\n4=2\n"
                                 << QList<bool>{false, false, false, true} << QStringList{"yes", "11", " 1", "2"};
}

void tst_Config::switchesFollowTheFileOnOpening()
{
    QFETCH(QString, file);
    QFETCH(QList<bool>, on);
    QFETCH(QStringList, slots);

    Terminal terminal;
    QVERIFY(terminal.activate());
    // the file changes behind the terminal's back; the opening reads it again
    if (!file.isEmpty())
        terminal.writeSettings(file);
    terminal.open();
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("Switch%1").arg(i + 1);
        QVERIFY(terminal.switchNamed(name));
        QVERIFY2(terminal.switchNamed(name)->isChecked() == on[i], qPrintable(name));
        // the slots keep the values read: setting a switch from the file stores nothing
        QCOMPARE(terminal.form->settings()[i + 1], slots[i]);
    }
}

void tst_Config::leavingWithoutSavingKeepsTheChangeInMemory()
{
    Terminal terminal(QStringLiteral("[data]\n3=0\n"));
    QVERIFY(terminal.activate());
    const QByteArray before = [&] {
        QFile file(terminal.settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    terminal.open();
    QVERIFY(!terminal.switchNamed(QStringLiteral("Switch3"))->isChecked());
    QTest::mouseClick(terminal.switchNamed(QStringLiteral("Switch3")), Qt::LeftButton);
    QCOMPARE(terminal.form->settings()[SettingsSlots::AskCovers], QStringLiteral("1"));

    QTest::mouseClick(terminal.config()->leaveWithoutSavingButton(), Qt::LeftButton);
    QVERIFY(terminal.startView()->isVisible());
    QVERIFY(!terminal.config()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.startView());
    // the next table choice asks for covers: the slot holds "1"
    QCOMPARE(terminal.form->settings()[SettingsSlots::AskCovers], QStringLiteral("1"));
    // and no file was written
    QFile file(terminal.settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!QFile::exists(terminal.form->settings().blankFilePath()));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Config::savingWritesTheFile()
{
    Terminal terminal(QStringLiteral("[data]\n0=") + SavedAddress + QStringLiteral("\n1=0\n2=0\n3=0\n4=1\n"));
    QVERIFY(terminal.activate());
    terminal.open();
    QTest::mouseClick(terminal.switchNamed(QStringLiteral("Switch1")), Qt::LeftButton);
    QTest::mouseClick(terminal.switchNamed(QStringLiteral("Switch4")), Qt::LeftButton);
    QTest::mouseClick(terminal.config()->saveButton(), Qt::LeftButton);

    QVERIFY(terminal.messages.isEmpty());
    QVERIFY(!terminal.config()->isVisible());
    QVERIFY(terminal.startView()->isVisible());
    QCOMPARE(terminal.savedSlot(0), SavedAddress);
    QCOMPARE(terminal.savedSlot(1), QStringLiteral("1"));
    QCOMPARE(terminal.savedSlot(2), QStringLiteral("0"));
    QCOMPARE(terminal.savedSlot(3), QStringLiteral("0"));
    QCOMPARE(terminal.savedSlot(4), QStringLiteral("0"));
    QCOMPARE(terminal.savedSlot(112), QStringLiteral("112"));
    QVERIFY(QFile::exists(terminal.form->settings().blankFilePath()));

    // opened again, the switches show what was saved
    terminal.open();
    QVERIFY(terminal.switchNamed(QStringLiteral("Switch1"))->isChecked());
    QVERIFY(terminal.switchNamed(QStringLiteral("Switch4"))->isChecked());
    QCOMPARE(terminal.form->settings()[SettingsSlots::DoubleTap], QStringLiteral("0"));
}

void tst_Config::writeFailureKeepsTheScreenOpen()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.open();
    QTest::mouseClick(terminal.switchNamed(QStringLiteral("Switch2")), Qt::LeftButton);
    QCOMPARE(terminal.form->settings()[SettingsSlots::GraphicPlan], QStringLiteral("1"));
    // a folder where the settings file should be: it cannot be written
    QVERIFY(QDir(terminal.folder.path()).mkdir(QStringLiteral("Iquillobrands.dat")));

    QTest::mouseClick(terminal.config()->saveButton(), Qt::LeftButton);
    QCOMPARE(terminal.messages,
             QStringList{QStringLiteral("Impossible d'écrire dans ") + terminal.form->settings().filePath()});
    QVERIFY(terminal.config()->isVisible());
    QVERIFY(!terminal.startView()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.config());
    QCOMPARE(terminal.form->settings()[SettingsSlots::GraphicPlan], QStringLiteral("1"));

    // leaving without saving still works
    QTest::mouseClick(terminal.config()->leaveWithoutSavingButton(), Qt::LeftButton);
    QVERIFY(!terminal.config()->isVisible());
    QVERIFY(terminal.startView()->isVisible());
}

void tst_Config::bottomButtonsShareTheBottomTenth()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    QCOMPARE(terminal.startView()->size(), QSize(403, 651));
    terminal.open();
    // 651 × 10 / 100 = 65.1 high, 403 × 50 / 100 = 201.5 wide, at y 651 - 65.1 = 585.9:
    // Button12 0, 585.9, 201.5, 65.1 -> 0, 586, 202 (round 201.5), 65 (round(65.1 - 0.05))
    // Button13 201.5, 585.9, 201.5, 65.1 -> 202, 586, 201 (round(201.5 - 0.25)), 65
    QCOMPARE(terminal.config()->leaveWithoutSavingButton()->geometry(), QRect(0, 586, 202, 65));
    QCOMPARE(terminal.config()->saveButton()->geometry(), QRect(202, 586, 201, 65));
    QCOMPARE(ConfigScreen::ButtonHeightPercent, 10.0);
    QCOMPARE(ConfigScreen::ButtonWidthPercent, 50.0);
}

void tst_Config::openingDiscardsAnUnsavedAddress()
{
    Terminal terminal(QStringLiteral("[data]\n0=") + SavedAddress + QStringLiteral("\n3=1\n"));
    QVERIFY(terminal.activate());
    QLineEdit* edit1 = terminal.find<QLineEdit>(QStringLiteral("Edit1"));
    QCOMPARE(edit1->text(), SavedAddress);
    edit1->clear();
    edit1->setFocus();
    QTest::keyClicks(edit1, QStringLiteral("127.0.0.53"));
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QStringLiteral("127.0.0.53"));
    // an unsaved switch change is discarded as well
    terminal.form->settings()[SettingsSlots::AskCovers] = QStringLiteral("0");

    terminal.open();
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], SavedAddress);
    QCOMPARE(edit1->text(), SavedAddress);
    QCOMPARE(terminal.form->settings()[SettingsSlots::AskCovers], QStringLiteral("1"));
    QVERIFY(terminal.switchNamed(QStringLiteral("Switch3"))->isChecked());
}

void tst_Config::configurationIsIgnoredWhileTheStartRuns()
{
    // the register's stamp is the cached one: the start reads the catalogue cache and opens the waiter view
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    caisse.replyLine(QStringLiteral("numversion~2~2~3"));
    Terminal terminal(TerminalFixture::cachedCatalogue(QStringLiteral("57")));
    QVERIFY(terminal.activate());
    terminal.form->link().setPort(caisse.port());
    terminal.find<QLineEdit>(QStringLiteral("Edit1"))->setText(caisse.address());

    // "Configuration" is touched as the catalogue load begins; the load lets the tap through on its way
    bool tapped = false;
    connect(terminal.find<QPushButton>(QStringLiteral("Button1")), &QPushButton::clicked, this,
            [&tapped] { tapped = true; });
    QMetaObject::Connection once;
    once = connect(&terminal.form->catalogueLoad(), &CatalogueLoad::progressShown, this, [&] {
        disconnect(once);
        QTimer::singleShot(0, this, [&terminal] { terminal.open(); });
    });
    QTest::mouseClick(terminal.find<RedKey>(QStringLiteral("button4")), Qt::LeftButton);

    QVERIFY(tapped);
    QVERIFY(!terminal.config()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.find<WaiterView>(QStringLiteral("serveur")));
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve04$\r\n"));
    QVERIFY(terminal.messages.isEmpty());
}

QTEST_MAIN(tst_Config)
#include "tst_config.moc"
