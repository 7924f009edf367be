#include "tables/CoversPanel.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class tst_TableChoiceView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coversEntryRowIsItsCount();
    void bottomStrips_data();
    void bottomStrips();
    void tableListLeavesTheButtonsWhole();
};

void tst_TableChoiceView::coversEntryRowIsItsCount()
{
    TableChoiceView view;
    QListWidget* list = view.coversPanel()->coversList();
    QCOMPARE(list->count(), 26);
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->text(), QString::number(row));
}

void tst_TableChoiceView::bottomStrips_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("at the window's design size") << QSize(403, 651);
    QTest::newRow("on a tall tablet") << QSize(800, 1280);
}

void tst_TableChoiceView::bottomStrips()
{
    QFETCH(QSize, size);

    TableChoiceView view;
    view.resize(size);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // the logout strip is the last line; the footer sits right above it, and neither covers Quitter
    QCOMPARE(view.logoutButton()->geometry(), QRect(0, size.height() - 30, size.width(), 30));
    QCOMPARE(view.footerLabel()->geometry(), QRect(0, size.height() - 53, size.width(), 23));
    QVERIFY(view.quitButton()->geometry().bottom() < view.footerLabel()->geometry().top());
    QCOMPARE(view.childAt(view.quitButton()->geometry().center()), view.quitButton());
}

void tst_TableChoiceView::tableListLeavesTheButtonsWhole()
{
    // the list starts a little above the bottom of the button strip: the buttons must stay on top
    TableChoiceView view;
    view.resize(403, 651);
    view.show();
    view.tableListPanel()->show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    for (QPushButton* button : {view.tableListPanel()->cancelButton(), view.tableListPanel()->validateButton()}) {
        const QPoint bottom = button->mapTo(&view, QPoint(button->width() / 2, button->height() - 2));
        QCOMPARE(view.childAt(bottom), button);
    }
}

QTEST_MAIN(tst_TableChoiceView)
#include "tst_tablechoiceview.moc"
