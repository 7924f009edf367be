#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "app/TabletDisplay.h"
#include "catalogue/CatalogueGeometry.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a finger and an eye need on a tablet, in its pixels.
constexpr qreal SmallestTextPixels = 16;
constexpr qreal SmallestKeyPixels = 45;

bool showsText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().trimmed().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().trimmed().isEmpty();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QListWidget*>(widget);
}

bool isKey(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const RedKey*>(widget) ||
           qobject_cast<const CatalogueKey*>(widget);
}

// What the tablet shows of a holder's texts and keys: the smallest of each, in its pixels, and each one too small.
struct Measure
{
    QStringList faults;
    qreal smallestText = 1e9;
    qreal smallestKey = 1e9;

    void text(const QString& name, qreal pixels)
    {
        smallestText = std::min(smallestText, pixels);
        if (pixels < SmallestTextPixels)
            faults.append(QStringLiteral("%1: text of %2 px").arg(name).arg(pixels));
    }
    void key(const QString& name, const QSizeF& pixels)
    {
        smallestKey = std::min({smallestKey, pixels.width(), pixels.height()});
        if (std::min(pixels.width(), pixels.height()) < SmallestKeyPixels)
            faults.append(QStringLiteral("%1: %2 x %3 px").arg(name).arg(pixels.width()).arg(pixels.height()));
    }
    void add(const QWidget* holder, qreal scale);
};

void Measure::add(const QWidget* holder, qreal scale)
{
    const auto name = [](const QWidget* widget) {
        return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                              : widget->objectName();
    };
    QList<const QWidget*> widgets{holder};
    for (const QWidget* child : holder->findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(holder->window()) || widget->size().isEmpty())
            continue;
        if (showsText(widget))
            text(name(widget), QFontInfo(widget->font()).pixelSize() * scale);
        if (isKey(widget))
            key(name(widget), QSizeF(widget->size()) * scale);
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i))
                    key(QStringLiteral("%1 tab %2").arg(name(widget)).arg(i), QSizeF(tabs->tabRect(i).size()) * scale);
            }
        }
        if (const auto* list = qobject_cast<const QListWidget*>(widget); list && list->count() > 0) {
            const QRect row = list->visualItemRect(list->item(0));
            key(QStringLiteral("%1 row").arg(name(widget)), QSizeF(row.size()) * scale);
        }
    }
}

void showAlone(QWidget* target, MainWindow& form)
{
    for (QWidget* shown = target; shown && shown != &form; shown = shown->parentWidget()) {
        shown->show();
        shown->raise();
    }
    QCoreApplication::processEvents();
}

} // namespace

// A terminal started against the simulator on a tablet's screen, its window in units once the scale factor chosen
// for that screen is applied: every box the screen-sizing rules give is taken from that real size, and every text and
// key can be read and touched.
class tst_ScreenSizing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabletWindow_data();
    void tabletWindow();
    void messageBoxFitsAFinger();
};

void tst_ScreenSizing::tabletWindow_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("403 x 651, the design") << QSize(403, 651);
    QTest::newRow("800 x 1280") << QSize(800, 1280);
    QTest::newRow("1080 x 1920") << QSize(1080, 1920);
}

void tst_ScreenSizing::tabletWindow()
{
    QFETCH(QSize, screen);
    const qreal scale = TabletDisplay::scaleFor(screen);
    const QSize size = TabletDisplay::unitsOf(screen, scale);
    const QString address = QStringLiteral("127.0.0.1");
    SimProcess sim(address, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                             QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json")});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[data]\n0=" + address.toLatin1() + "\n");
    settings.close();

    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    MainWindow form(folder.path());
    form.link().setPort(sim.port());
    form.resize(size);
    form.show();
    form.activateWindow();
    // the start makes the waiter view on its way
    const bool opened = QTest::qWaitFor([&] { return qobject_cast<WaiterView*>(form.frontView()) != nullptr; }, 20000);
    auto* waiterView = form.findChild<WaiterView*>(QStringLiteral("serveur"));
    MessageBox::setHandler({});
    QVERIFY(opened);
    QCOMPARE(messages, QStringList());
    QCOMPARE(form.catalogueLoad().startSize(), size);

    const auto waiterBoxes = CatalogueGeometry::waiterButtons(waiterView->width(), waiterView->height());
    for (size_t i = 0; i < waiterBoxes.size(); ++i)
        QCOMPARE(waiterView->waiterKeys().at(i)->geometry(), waiterBoxes.at(i).toRect());

    // the ticket as the rules lay it out for this window, from the tab control's designed top at this size
    TicketView design;
    design.resize(size);
    CatalogueGeometry::ScreenInput input;
    input.largeurinit = size.width();
    input.hauteurinit = size.height();
    input.formWidth = size.width();
    input.formHeight = size.height();
    input.tabTop = design.boxOf(design.keyboardTabs()).y();
    input.displayHeight = form.screen()->geometry().height();
    const CatalogueGeometry::ScreenLayout layout = CatalogueGeometry::screenLayout(input);
    auto* ticket = qobject_cast<TicketView*>(form.view(QStringLiteral("ticket")));
    QCOMPARE(ticket->ticketMemo()->geometry(), layout.memo1.toRect());
    QCOMPARE(ticket->keyboardTabs()->geometry().y(), qRound(layout.tabControlY));
    QCOMPARE(ticket->keyboardTabs()->geometry().width(), qRound(layout.tabControlWidth));

    // the first product key of keyboard 1, sized from the window's width
    QVERIFY(form.catalogueLoad().productKeys().count() > 0);
    QCOMPARE(form.catalogueLoad().productKeys().key(0)->geometry(),
             CatalogueGeometry::productKey(size.width(), 0).body);

    // on a tablet, what the waiter reads and touches, on each view and panel he meets in service; the design size
    // keeps the design's own sizes
    if (scale == 1)
        return;
    Measure measure;
    // the floating panels wait in the parking view
    form.view(QStringLiteral("poubelle"));
    for (const char* name : {"ticket", "choixtable", "Panel9", "Panelcouv", "plan", "formule", "Panel12", "Panel16",
                             "panel_annul", "panel_env_cuis", "Panel2", "Panelsupp", "choixrang", "panelenvoicuis",
                             "encaissement", "messages", "serveur", "Rectangle11"}) {
        QWidget* holder = form.view(QString::fromLatin1(name));
        QVERIFY2(holder, name);
        showAlone(holder, form);
        measure.add(holder, scale);
        holder->hide();
    }
    qInfo("smallest text %.1f px, smallest key side %.1f px", measure.smallestText, measure.smallestKey);
    QVERIFY2(measure.faults.isEmpty(), qPrintable(measure.faults.join(QLatin1Char('\n'))));
}

// A message box reads in the window's font on a tablet, and its button takes a finger even on the smallest screen
// that gets a scale factor.
void tst_ScreenSizing::messageBoxFitsAFinger()
{
    QTemporaryDir folder;
    MainWindow form(folder.path());
    form.show();
    const std::unique_ptr<QMessageBox> box = MessageBox::dialog(&form, QStringLiteral("Connexion impossible"));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QCOMPARE(box->font(), form.font());
    Measure measure;
    measure.add(box.get(), TabletDisplay::scaleFor(QSize(800, 1280)));
    QVERIFY2(measure.faults.isEmpty(), qPrintable(measure.faults.join(QLatin1Char('\n'))));
    QCOMPARE(box->buttons().size(), 1);
    const QSize button = box->buttons().constFirst()->size();
    QVERIFY(std::min(button.width(), button.height()) * TabletDisplay::SmallestScale >= SmallestKeyPixels);
}

QTEST_MAIN(tst_ScreenSizing)
#include "tst_screensizing.moc"
