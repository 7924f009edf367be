#include "app/MainWindow.h"
#include "app/TabletDisplay.h"
#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arguments_data();
    void arguments();
    void sizes_data();
    void sizes();
    void designSizeOnAScreenThatIsNotPortrait();
    void scales_data();
    void scales();
    void tabletScale_data();
    void tabletScale();
    void optionsWithoutDisplay_data();
    void optionsWithoutDisplay();
};

void tst_WindowPlacement::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("scale"); // 0: none asked for

    QTest::newRow("no option: the screen decides")
        << QStringList{} << int(WindowPlacement::Mode::Automatic) << QSize() << 0.0;
    QTest::newRow("--fullscreen fills the screen")
        << QStringList{"--fullscreen"} << int(WindowPlacement::Mode::FullScreen) << QSize() << 0.0;
    QTest::newRow("--window gives the size")
        << QStringList{"--window", "800x1280"} << int(WindowPlacement::Mode::Window) << QSize(800, 1280) << 0.0;
    QTest::newRow("--fullscreen wins over --window")
        << QStringList{"--window", "800x1280", "--fullscreen"} << int(WindowPlacement::Mode::FullScreen)
        << QSize(800, 1280) << 0.0;
    QTest::newRow("--scale overrides the screen's factor")
        << QStringList{"--scale", "1.5"} << int(WindowPlacement::Mode::Automatic) << QSize() << 1.5;
    QTest::newRow("the toolkit's own options are left to it")
        << QStringList{"-platform", "offscreen", "--fullscreen", "-display", ":0", "-reverse"}
        << int(WindowPlacement::Mode::FullScreen) << QSize() << 0.0;
}

void tst_WindowPlacement::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QSize, size);
    QFETCH(qreal, scale);
    const WindowPlacement placement = WindowPlacement::fromArguments(QStringList{"commande"} + arguments);
    QCOMPARE(int(placement.mode()), mode);
    QCOMPARE(placement.windowSize(), size);
    QCOMPARE(placement.scale().value_or(0), scale);
}

void tst_WindowPlacement::sizes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size"); // invalid: refused

    QTest::newRow("width x height") << "403x651" << QSize(403, 651);
    QTest::newRow("a tablet") << "1080x1920" << QSize(1080, 1920);
    QTest::newRow("one number") << "403" << QSize();
    QTest::newRow("a capital X") << "403X651" << QSize();
    QTest::newRow("negative") << "-403x651" << QSize();
    QTest::newRow("too small to hold a key") << "4x6" << QSize();
    QTest::newRow("spaces") << "403 x 651" << QSize();
}

void tst_WindowPlacement::sizes()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QCOMPARE(WindowPlacement::parseSize(text).value_or(QSize()), size);
}

void tst_WindowPlacement::designSizeOnAScreenThatIsNotPortrait()
{
    // the offscreen screen is not portrait, as a desktop's is not
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen->size().height() <= screen->size().width());
    const WindowPlacement automatic = WindowPlacement::fromArguments({"commande"});
    QVERIFY(!automatic.fillsScreen(screen));
    QWidget window;
    automatic.show(window);
    QCOMPARE(window.size(), QSize(MainWindow::DesignWidth, MainWindow::DesignHeight));
    QVERIFY(WindowPlacement::fromArguments({"commande", "--fullscreen"}).fillsScreen(screen));
}

void tst_WindowPlacement::scales_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("scale"); // 0: refused

    QTest::newRow("a whole number") << "2" << 2.0;
    QTest::newRow("a point, whatever the locale") << "1.75" << 1.75;
    QTest::newRow("a comma") << "1,75" << 0.0;
    QTest::newRow("zero would hide everything") << "0" << 0.0;
    QTest::newRow("below a half") << "0.4" << 0.0;
    QTest::newRow("beyond eight") << "9" << 0.0;
    QTest::newRow("not a number") << "deux" << 0.0;
    QTest::newRow("infinite") << "inf" << 0.0;
    QTest::newRow("not a number at all") << "nan" << 0.0;
}

void tst_WindowPlacement::scales()
{
    QFETCH(QString, text);
    QFETCH(qreal, scale);
    QCOMPARE(WindowPlacement::parseScale(text).value_or(0), scale);
}

void tst_WindowPlacement::tabletScale_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<qreal>("scale");

    QTest::newRow("the design's own size") << QSize(403, 651) << 1.0;
    QTest::newRow("a small tablet, near the design") << QSize(480, 800) << 1.0;
    QTest::newRow("a tablet of 800 x 1280") << QSize(800, 1280) << 1.95;
    QTest::newRow("a tablet of 1080 x 1920") << QSize(1080, 1920) << 2.65;
    QTest::newRow("a landscape screen: its height decides") << QSize(1920, 1080) << 1.65;
}

void tst_WindowPlacement::tabletScale()
{
    QFETCH(QSize, screen);
    QFETCH(qreal, scale);
    const qreal chosen = TabletDisplay::scaleFor(screen);
    QCOMPARE(chosen, scale);
    // the window, in units, holds the design and is not much larger in its tighter direction
    const QSizeF units = QSizeF(screen) / chosen;
    QVERIFY(units.width() >= MainWindow::DesignWidth && units.height() >= MainWindow::DesignHeight);
    if (chosen > 1)
        QVERIFY(std::min(units.width() / MainWindow::DesignWidth, units.height() / MainWindow::DesignHeight) < 1.03);
}

void tst_WindowPlacement::optionsWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // on stdout when the exit code is 0, else on stderr

    const QString commande = QStringLiteral(COMMANDE_BIN);
    const QString screenshots = QStringLiteral(SCREENSHOTS_BIN);
    QTest::newRow("commande --help") << commande << QStringList{"--help"} << 0 << "--scale <F>";
    QTest::newRow("commande -h") << commande << QStringList{"-h"} << 0 << "--window <LxH>";
    QTest::newRow("commande --help-all") << commande << QStringList{"--help-all"} << 0 << "--fullscreen";
    QTest::newRow("commande --version") << commande << QStringList{"--version"} << 0 << "commande " COMMANDE_VERSION;
    QTest::newRow("commande, an unknown option") << commande << QStringList{"--plein-ecran"} << 1 << "plein-ecran";
    QTest::newRow("commande, a bad scale") << commande << QStringList{"--scale", "0"} << 1 << "--scale";
    QTest::newRow("screenshots --help") << screenshots << QStringList{"--help"} << 0 << "--size <WxH>";
    QTest::newRow("screenshots --version")
        << screenshots << QStringList{"--version"} << 0 << "screenshots " COMMANDE_VERSION;
}

void tst_WindowPlacement::optionsWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    // over SSH: no display, and the platform that needs one
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString text =
        QString::fromLocal8Bit(exitCode == 0 ? process.readAllStandardOutput() : process.readAllStandardError());
    QVERIFY2(text.contains(output), qPrintable(text));
}

QTEST_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
