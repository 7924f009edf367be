// The start view's layout at the design size and at twice the design size, and its address box.

#include "TerminalFixture.h"

#include "app/MainWindow.h"
#include "app/StartView.h"
#include "settings/SettingsSlots.h"
#include "widgets/Fonts.h"
#include "widgets/RedKey.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A window on a settings folder of its own, shown and activated as the terminal is.
struct Terminal : TerminalFixture
{
    bool resize(const QSize& size)
    {
        form->resize(size);
        return QTest::qWaitFor([this, size] { return startView()->size() == size; });
    }

    StartView* startView() const { return find<StartView>(QStringLiteral("init")); }
    QLineEdit* addressBox() const { return find<QLineEdit>(QStringLiteral("Edit1")); }
};

// Pixels of exactly this colour in the image.
int countColour(const QImage& image, const QColor& colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += (line[x] & 0xFFFFFF) == (wanted & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

const QColor PromptColour = QColor::fromRgb(0x8C, 0x8C, 0x8C);

} // namespace

class tst_StartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void geometry_data();
    void geometry();
    void fontsKeepTheirDesignSize();
    void addressBoxLook();
    void promptShownWhenEmptyAlsoWithFocus();
    void addressBoxMirrorsSlot0();
};

void tst_StartView::initTestCase()
{
    // the caret stays drawn, so two grabs of the same state are alike
    QApplication::setCursorFlashTime(0);
}

void tst_StartView::geometry_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("box");

    // Design boxes and the whole-unit boxes they take. A box x, y, w, h in real units becomes
    // round(x), round(y), round(w + (x - round(x)) / 2), round(h + (y - round(y)) / 2) (Qt's QRectF::toRect), computed
    // here by hand. At 806 × 1302 every design box is doubled first.
    const QSize design(403, 651);
    const QSize twice(806, 1302);
    struct Row
    {
        const char* control;
        QRect atDesign;
        QRect atTwice;
    };
    const Row rows[] = {
        // background rectangle: fills the view
        {"Rectangle2", QRect(0, 0, 403, 651), QRect(0, 0, 806, 1302)},
        // 0, 8.6, 403, 109 -> y 9, h round(108.8) | 0, 17.2, 806, 218 -> y 17, h round(218.1)
        {"Image1", QRect(0, 9, 403, 109), QRect(0, 17, 806, 218)},
        // 0, 104.8, 403.5, 60.5 -> y 105, w 404, h round(60.4) | 0, 209.6, 807, 121 -> y 210, h round(120.8)
        {"Text2", QRect(0, 105, 404, 60), QRect(0, 210, 807, 121)},
        // 0, 173.1, 417.8, 50.4 -> y 173, w 418, h round(50.45) | 0, 346.2, 835.6, 100.8 -> 346, 836, round(100.9)
        {"Text3", QRect(0, 173, 418, 50), QRect(0, 346, 836, 101)},
        // 0, 227.3, 403, 33.6 -> y 227, h round(33.75) | 0, 454.6, 806, 67.2 -> y 455, h round(67.0)
        {"text1", QRect(0, 227, 403, 34), QRect(0, 455, 806, 67)},
        {"Edit1", QRect(68, 269, 245, 32), QRect(136, 538, 490, 64)},
        {"button4", QRect(32, 353, 341, 101), QRect(64, 706, 682, 202)},
        {"Text4", QRect(-9, 481, 404, 60), QRect(-18, 962, 808, 120)},
        {"Text5", QRect(-1, 545, 404, 60), QRect(-2, 1090, 808, 120)},
        {"Label74", QRect(1, 597, 403, 23), QRect(2, 1194, 806, 46)},
        // 0, 604.5, 126.1, 46.5 -> y 605, w 126, h round(46.25) | 0, 1209, 252.2, 93
        {"Button1", QRect(0, 605, 126, 46), QRect(0, 1209, 252, 93)},
        // 277.9, 602.6, 125.1, 44.1 -> 278, 603, round(125.05), round(43.9)
        // | 555.8, 1205.2, 250.2, 88.2 -> 556, 1205, round(250.1), round(88.3)
        {"Button28", QRect(278, 603, 125, 44), QRect(556, 1205, 250, 88)},
        // bottom strip of height 23 across the whole width: a docked strip keeps its design height
        {"Label18", QRect(0, 628, 403, 23), QRect(0, 1279, 806, 23)},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s at 403x651", row.control) << design << QString::fromLatin1(row.control) << row.atDesign;
        QTest::addRow("%s at 806x1302", row.control) << twice << QString::fromLatin1(row.control) << row.atTwice;
    }
}

void tst_StartView::geometry()
{
    QFETCH(QSize, window);
    QFETCH(QString, control);
    QFETCH(QRect, box);

    Terminal terminal;
    QVERIFY(terminal.activate());
    QVERIFY(terminal.resize(window));
    auto* widget = terminal.startView()->findChild<QWidget*>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(widget->parentWidget(), terminal.startView());
    QCOMPARE(widget->geometry(), box);
}

// The boxes follow the window, the texts keep the size they are designed at.
void tst_StartView::fontsKeepTheirDesignSize()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    QLineEdit* address = terminal.addressBox();
    auto* status = terminal.find<QLabel>(QStringLiteral("text1"));
    auto* footer = terminal.find<QLabel>(QStringLiteral("Label18"));
    QCOMPARE(address->font().pixelSize(), 26);
    QCOMPARE(status->font().pixelSize(), 16);
    QVERIFY(terminal.resize(QSize(806, 1302)));
    QCOMPARE(status->height(), 67);
    QCOMPARE(address->font().pixelSize(), 26);
    QCOMPARE(status->font().pixelSize(), 16);
    QCOMPARE(status->font().family(), Fonts::fixedBold(16).family());
    QCOMPARE(footer->height(), 23);
    QCOMPARE(footer->font().pixelSize(), 11);
}

void tst_StartView::addressBoxLook()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    QLineEdit* edit = terminal.addressBox();
    QCOMPARE(edit->alignment(), Qt::AlignCenter);
    QVERIFY(edit->isClearButtonEnabled());
    QCOMPARE(edit->font().pixelSize(), 26);
    // keyboard for numbers and punctuation: numbers first, no word guessing, no capitals
    QVERIFY(edit->inputMethodHints().testFlag(Qt::ImhPreferNumbers));
    QVERIFY(edit->inputMethodHints().testFlag(Qt::ImhNoPredictiveText));
    QVERIFY(edit->inputMethodHints().testFlag(Qt::ImhNoAutoUppercase));
    QVERIFY(!edit->inputMethodHints().testFlag(Qt::ImhDigitsOnly));
    // a light caret: it is drawn in the text colour
    QVERIFY(edit->palette().color(QPalette::Text).lightness() > 200);
}

void tst_StartView::promptShownWhenEmptyAlsoWithFocus()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    auto* edit = terminal.find<PromptEdit>(QStringLiteral("Edit1"));
    QVERIFY(edit);
    QCOMPARE(edit->prompt(), QStringLiteral("Adresse IP"));
    QVERIFY(edit->text().isEmpty());

    // without the focus
    terminal.find<RedKey>(QStringLiteral("button4"))->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QVERIFY(edit->promptShown());
    QVERIFY(countColour(edit->grab().toImage(), PromptColour) > 20);

    // with the focus: Qt hides its own placeholder in a centred box that has the focus; ours stays
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QVERIFY(edit->promptShown());
    QVERIFY(countColour(edit->grab().toImage(), PromptColour) > 20);

    // typed text replaces the prompt; emptied again, the prompt is back
    QTest::keyClicks(edit, QStringLiteral("10.0.0.7"));
    QVERIFY(!edit->promptShown());
    QCOMPARE(countColour(edit->grab().toImage(), PromptColour), 0);
    edit->clear();
    QVERIFY(edit->promptShown());
    QVERIFY(countColour(edit->grab().toImage(), PromptColour) > 20);

    // also at twice the design size
    QVERIFY(terminal.resize(QSize(806, 1302)));
    QVERIFY(countColour(edit->grab().toImage(), PromptColour) > 40);
}

void tst_StartView::addressBoxMirrorsSlot0()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    QLineEdit* edit = terminal.addressBox();
    // no settings file: slot 0 read "0", and activation emptied the box and the slot with it
    QCOMPARE(edit->text(), QString());
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QString());

    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("127.0.0"));
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QStringLiteral("127.0.0"));
    QTest::keyClicks(edit, QStringLiteral(".50"));
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QStringLiteral("127.0.0.50"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QStringLiteral("127.0.0.5"));
    edit->setText(QStringLiteral("127.0.0.51"));
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QStringLiteral("127.0.0.51"));
    edit->clear();
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], QString());
    // in memory only: nothing was written
    QVERIFY(!QFile::exists(terminal.form->settings().filePath()));
}

QTEST_MAIN(tst_StartView)
#include "tst_startview.moc"
