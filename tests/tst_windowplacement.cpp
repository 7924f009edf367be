#include "app/MainWindow.h"
#include "app/WindowPlacement.h"

#include <QGuiApplication>
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
};

void tst_WindowPlacement::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size");

    QTest::newRow("no option: the screen decides") << QStringList{} << int(WindowPlacement::Mode::Automatic) << QSize();
    QTest::newRow("--fullscreen fills the screen")
        << QStringList{"--fullscreen"} << int(WindowPlacement::Mode::FullScreen) << QSize();
    QTest::newRow("--window gives the size")
        << QStringList{"--window", "800x1280"} << int(WindowPlacement::Mode::Window) << QSize(800, 1280);
    QTest::newRow("--fullscreen wins over --window") << QStringList{"--window", "800x1280", "--fullscreen"}
                                                     << int(WindowPlacement::Mode::FullScreen) << QSize(800, 1280);
}

void tst_WindowPlacement::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QSize, size);
    const WindowPlacement placement = WindowPlacement::fromArguments(QStringList{"commande"} + arguments);
    QCOMPARE(int(placement.mode()), mode);
    QCOMPARE(placement.windowSize(), size);
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

QTEST_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
