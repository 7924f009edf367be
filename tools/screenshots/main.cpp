// screenshots --size WxH --out DIR [--settings DIR | --no-register]
//
// Creates the terminal's window, as a tablet with a screen of WxH pixels shows it (a unit spans the pixels the
// terminal chooses for that screen), on a temporary settings folder. By default it starts the register simulator
// with its sample restaurant, every keyboard filled with more keys than its page, and lets the terminal start
// against it, so that the views show a real catalogue whose keyboards scroll;
// --settings DIR copies DIR's settings file instead, and --no-register starts nothing. Then it makes each view and
// each floating panel the only one visible in turn and saves the window's grab() to DIR/<name>.png. Controls are
// found by their objectName, so a panel that does not exist yet is skipped with a note on stderr. Runs under
// QT_QPA_PLATFORM=offscreen and under Xvfb.

#include "app/CatalogueLoad.h"
#include "app/ConsoleOptions.h"
#include "app/MainWindow.h"
#include "app/TabletDisplay.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuReplies.h"
#include "menus/SetMenuView.h"
#include "settings/SettingsStore.h"

#include "SimProcess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The panels that open over a view, each shot on its own.
const QStringList PanelNames = {
    QStringLiteral("Rectangle11"),    QStringLiteral("Panel9"),         QStringLiteral("Panelcouv"),
    QStringLiteral("panel_annul"),    QStringLiteral("panel_env_cuis"), QStringLiteral("Panel2"),
    QStringLiteral("Panel5"),         QStringLiteral("Panelsupp"),      QStringLiteral("choixrang"),
    QStringLiteral("panelenvoicuis"), QStringLiteral("Panel12"),        QStringLiteral("Panel16"),
};

class Shooter
{
public:
    Shooter(MainWindow& form, const QString& outDir) : m_form(form), m_out(outDir)
    {
        for (QObject* child : form.children()) {
            auto* view = qobject_cast<QWidget*>(child);
            if (view && !view->isWindow() && !view->objectName().isEmpty())
                m_views.append(view);
        }
        for (const QString& name : PanelNames) {
            if (auto* panel = form.findChild<QWidget*>(name))
                m_panels.append(panel);
        }
    }

    const QList<QWidget*>& views() const { return m_views; }

    // Shows `target` (and every ancestor up to the window) alone, over `under` when given: every other view and
    // listed panel is hidden.
    bool shoot(QWidget* target, const QString& name, QWidget* under = nullptr)
    {
        for (QWidget* view : m_views)
            view->hide();
        for (QWidget* panel : m_panels)
            panel->hide();
        if (under)
            under->show();
        for (QWidget* w = target; w && w != &m_form; w = w->parentWidget())
            w->show();
        if (target->parentWidget() != &m_form)
            target->raise();
        settle();
        const QString path = QDir(m_out).filePath(name + QStringLiteral(".png"));
        if (!m_form.grab().save(path)) {
            err() << "screenshots: cannot write " << path << Qt::endl;
            return false;
        }
        ++m_count;
        return true;
    }

    int count() const { return m_count; }

    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

private:
    MainWindow& m_form;
    QString m_out;
    QList<QWidget*> m_views;
    QList<QWidget*> m_panels;
    int m_count = 0;
};

// The sample restaurant with every keyboard grown past its page (seven rows of four keys), written into folder.
QString restaurantWithFullKeyboards(const QString& folder)
{
    constexpr int KeysPerKeyboard = 28;
    constexpr int FirstAddedArticle = 700;
    QFile sample(QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json"));
    if (!sample.open(QIODevice::ReadOnly))
        return {};
    QJsonObject restaurant = QJsonDocument::fromJson(sample.readAll()).object();
    QJsonArray keyboards = restaurant.value(QStringLiteral("keyboards")).toArray();
    int article = FirstAddedArticle;
    for (int i = 0; i < keyboards.size(); ++i) {
        QJsonObject keyboard = keyboards.at(i).toObject();
        QJsonArray products = keyboard.value(QStringLiteral("products")).toArray();
        const QJsonObject model = products.at(0).toObject();
        for (int n = int(products.size()) + 1; n <= KeysPerKeyboard; ++n) {
            QJsonObject product = model;
            product.insert(QStringLiteral("article"), article++);
            product.insert(QStringLiteral("name"),
                           QStringLiteral("%1 %2").arg(keyboard.value(QStringLiteral("name")).toString()).arg(n));
            product.insert(QStringLiteral("kitchenLabel"), QStringLiteral("SUGGESTION %1").arg(n));
            product.remove(QStringLiteral("supplements")); // offered after articles up to 800 only
            products.append(product);
        }
        keyboard.insert(QStringLiteral("products"), products);
        keyboards.replace(i, keyboard);
    }
    restaurant.insert(QStringLiteral("keyboards"), keyboards);
    QFile data(QDir(folder).filePath(QStringLiteral("restaurant.json")));
    if (!data.open(QIODevice::WriteOnly) || data.write(QJsonDocument(restaurant).toJson()) < 0)
        return {};
    return data.fileName();
}

bool copySettings(const QString& from, const QString& to)
{
    for (const QString& fileName : {SettingsStore::FileName, SettingsStore::BlankFileName}) {
        const QString source = QDir(from).filePath(fileName);
        if (QFile::exists(source) && !QFile::copy(source, QDir(to).filePath(fileName))) {
            err() << "screenshots: cannot copy " << source << Qt::endl;
            return false;
        }
    }
    return true;
}

void clickByName(MainWindow& form, const QString& name)
{
    if (auto* button = form.findChild<QAbstractButton*>(name))
        button->click();
    else
        err() << "screenshots: no button " << name << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("screenshots"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COMMANDE_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Screenshots of every view and floating panel of the terminal."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("Screen size in pixels, e.g. 403x651 or 800x1280."),
                                        QStringLiteral("WxH"), QStringLiteral("403x651"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the PNG files."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"), QStringLiteral("Folder whose settings file is copied into the temporary one."),
        QStringLiteral("DIR"));
    const QCommandLineOption noRegisterOption(
        QStringLiteral("no-register"), QStringLiteral("Start no register simulator: the views stay as designed."));
    const QCommandLineOption registerOption(
        QStringLiteral("register"),
        QStringLiteral("The register simulator to start (default: caisse-sim beside this)."),
        QStringLiteral("PROGRAM"));
    parser.addOptions({sizeOption, outOption, settingsOption, noRegisterOption, registerOption});
    ConsoleOptions::acceptToolkitOptions(parser);
    // read before any display is opened, so that --help and --version answer over SSH
    ConsoleOptions::parseOrLeave(parser, ConsoleOptions::fromArgv(argc, argv));

    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^(\\d+)[xX](\\d+)$")).match(parser.value(sizeOption));
    if (!size.hasMatch() || !parser.isSet(outOption)) {
        err() << "usage: screenshots --size WxH --out DIR [--settings DIR | --no-register]" << Qt::endl;
        return 2;
    }
    const int width = size.captured(1).toInt();
    const int height = size.captured(2).toInt();
    const QString out = parser.value(outOption);
    if (width <= 0 || height <= 0 || !QDir().mkpath(out)) {
        err() << "screenshots: bad size or output folder" << Qt::endl;
        return 2;
    }

    const qreal scale = TabletDisplay::scaleFor(QSize(width, height));
    TabletDisplay::setScale(scale);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        err() << "screenshots: no temporary folder" << Qt::endl;
        return 1;
    }
    if (parser.isSet(settingsOption) && !copySettings(parser.value(settingsOption), folder.path()))
        return 1;

    // the sample restaurant's register, which the terminal starts against as it would in a restaurant
    std::unique_ptr<SimProcess> sim;
    if (!parser.isSet(settingsOption) && !parser.isSet(noRegisterOption)) {
        const QString loopback = QStringLiteral("127.0.0.1");
        SimProcess::Options options;
        options.program = parser.isSet(registerOption)
                              ? parser.value(registerOption)
                              : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("caisse-sim"));
        const QString data = restaurantWithFullKeyboards(folder.path());
        if (data.isEmpty()) {
            err() << "screenshots: cannot write the restaurant for the simulator" << Qt::endl;
            return 1;
        }
        sim = std::make_unique<SimProcess>(
            loopback, QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), data},
            options);
        QFile settings(QDir(folder.path()).filePath(SettingsStore::FileName));
        if (!sim->isListening() || !settings.open(QIODevice::WriteOnly)) {
            err() << "screenshots: the register simulator " << options.program << " did not start" << Qt::endl;
            return 1;
        }
        settings.write("[data]\n0=" + loopback.toLatin1() + "\n");
    }

    MainWindow form(folder.path());
    if (sim)
        form.link().setPort(sim->port());
    form.resize(TabletDisplay::unitsOf(QSize(width, height), scale));
    // the activation of the terminal: settings read, start view shown (an automatic start runs if the copied
    // settings hold a register address)
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activation);
    while (!form.activated())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Shooter::settle();
    // open and leave the configuration once, so that its bottom buttons are placed as at run time; the opening
    // reads the settings again and puts slot 0 in the address box ("0" without a file): the box is put back
    auto* address = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const QString typed = address ? address->text() : QString();
    clickByName(form, QStringLiteral("Button1"));
    clickByName(form, QStringLiteral("Button12"));
    if (address)
        address->setText(typed);
    Shooter::settle();

    // the views the terminal makes when first reached, the parking view of the floating panels among them, are made
    // here as the taps leading to them would
    for (const char* name :
         {"choixtable", "config", "encaissement", "formule", "messages", "plan", "poubelle", "serveur", "ticket"})
        form.view(QString::fromLatin1(name));
    Shooter shooter(form, out);
    for (QWidget* view : shooter.views()) {
        if (view->objectName() == QLatin1String("Textmess")) {
            // the notice is placed by the Part that shows it: without that, centre it as it will be
            if (view->width() != form.width())
                view->setGeometry(0, (form.height() - 91) / 2, form.width(), 91);
            // it is shown over the table choice
            shooter.shoot(view, view->objectName(), form.findChild<QWidget*>(QStringLiteral("choixtable")));
            continue;
        }
        shooter.shoot(view, view->objectName());
    }
    for (const QString& name : PanelNames) {
        QWidget* panel = form.findChild<QWidget*>(name);
        if (!panel) {
            err() << "screenshots: skipped " << name << " (no such control yet)" << Qt::endl;
            continue;
        }
        shooter.shoot(panel, name);
    }

    QWidget* plan = form.findChild<QWidget*>(QStringLiteral("plan"));
    auto* tabs = plan ? plan->findChild<QTabWidget*>(QStringLiteral("TabControl1")) : nullptr;
    if (!tabs) {
        err() << "screenshots: skipped the plan tabs (no TabControl1 tab widget yet)" << Qt::endl;
    } else {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            shooter.shoot(tabs, QStringLiteral("TabControl1_%1").arg(i + 1));
        }
        tabs->setCurrentIndex(0);
    }

    // the set-menu screen with two set menus, the first with its starter chosen
    if (auto* formule = form.findChild<SetMenuView*>()) {
        SetMenuGrid& grid = formule->grid();
        if (grid.count() == 0) {
            const QSize start = form.catalogueLoad().startSize();
            grid.plan(start.width(), start.height());
        }
        grid.showCells(SetMenuReplies::setMenuList(
                           QStringLiteral("f;2;Formule midi;552;Terrine de campagne maison;104;premier plat ?;0;"
                                          "dessert ?;0;Aucun choix;0;Aucun choix;0;Aucun choix;0;"
                                          "Menu brasserie;555;première entrée ?;0;premier plat ?;0;fromage ?;0;"
                                          "dessert ?;0;Aucun choix;0;Aucun choix;0;"))
                           .cells);
        shooter.shoot(formule, QStringLiteral("formule_two_set_menus"));
    }

    err() << "screenshots: " << shooter.count() << " images in " << out << Qt::endl;
    return 0;
}
