// The on-screen keyboard of a tablet, under a real X server (Xvfb): a tap on the waiter's code box brings it up.

#include "app/MainWindow.h"
#include "app/TabletDisplay.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "widgets/TouchStyle.h"

#include <QApplication>
#include <QInputMethod>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

class tst_VirtualKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tapOnTheCodeBoxShowsDigits();
    void cleanupTestCase();
};

void tst_VirtualKeyboard::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: run under xvfb-run");
    if (qEnvironmentVariable("QT_IM_MODULE") != QLatin1String("qtvirtualkeyboard"))
        QSKIP("needs QT_IM_MODULE=qtvirtualkeyboard");
    QApplication::setStyle(new TouchStyle);
}

void tst_VirtualKeyboard::tapOnTheCodeBoxShowsDigits()
{
    QTemporaryDir folder;
    MainWindow form(folder.path());
    form.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.view(QStringLiteral("serveur"));
    auto* panel = form.findChild<CodePanel*>(QStringLiteral("Rectangle11"));
    QVERIFY(panel);
    for (QWidget* shown = panel; shown != &form; shown = shown->parentWidget()) {
        shown->show();
        shown->raise();
    }
    CodeEdit* code = panel->codeEdit();
    QVERIFY(code->inputMethodHints().testFlag(Qt::ImhDigitsOnly));
    QVERIFY(!QGuiApplication::inputMethod()->isVisible());

    // one tap, on a box that did not have the focus
    QTest::mouseClick(code, Qt::LeftButton);
    QTRY_VERIFY(QGuiApplication::inputMethod()->isVisible());
    QTRY_VERIFY(!QGuiApplication::inputMethod()->keyboardRectangle().isEmpty());
    // the keyboard is a window of its own, over the terminal's lower part
    QWindow* keyboard = nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window != form.windowHandle() && window->isVisible())
            keyboard = window;
    }
    QVERIFY(keyboard);
    QTRY_VERIFY(keyboard->isExposed());

    const QString shot = qEnvironmentVariable("COMMANDE_KEYBOARD_SHOT");
    if (!shot.isEmpty()) {
        QTest::qWait(500);
        QVERIFY(form.screen()->grabWindow(0).save(shot));
    }
}

void tst_VirtualKeyboard::cleanupTestCase()
{
    // as the terminal does when it quits
    TabletDisplay::closeKeyboard();
}

QTEST_MAIN(tst_VirtualKeyboard)
#include "tst_virtualkeyboard.moc"
