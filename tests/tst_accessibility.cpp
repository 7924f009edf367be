#include "CatalogueScript.h"
#include "ListTouch.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "app/StartView.h"
#include "closing/MessageView.h"
#include "closing/PaymentView.h"
#include "settings/SettingsSlots.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/ProductKeys.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/RedKey.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <functional>

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The nearest widget behind an accessible object: the object's own, or its parent's for a list's row.
QWidget* widgetOf(QAccessibleInterface* iface)
{
    for (; iface; iface = iface->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(iface->object()))
            return widget;
    }
    return nullptr;
}

// Every object a screen reader reaches walking the window's tree, showing or not.
void walk(QAccessibleInterface* iface, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i)) {
            found.append(child);
            walk(child, found);
        }
    }
}

// A control a finger can tap: a key of the terminal or a button of the toolkit.
bool tappable(const QWidget* widget)
{
    return qobject_cast<const RedKey*>(widget) || qobject_cast<const CatalogueKey*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget);
}

// The object a screen reader finds under a point of the screen, going down as the desktop's bridge does.
QAccessibleInterface* objectAt(QWidget* window, const QPoint& point)
{
    QAccessibleInterface* found = nullptr;
    for (QAccessibleInterface* at = accessible(window)->childAt(point.x(), point.y()); at;
         at = at->childAt(point.x(), point.y()))
        found = at;
    return found;
}

// A started terminal on the waiter keys: the start views its download of the small brasserie.
struct Terminal : TerminalFixture
{
    explicit Terminal(ScriptedRegister& caisse) : TerminalFixture(QStringLiteral("[data]\n10=56\n"))
    {
        caisse.replyLine(QStringLiteral("caisse~1~57"));
        caisse.replyLine(QStringLiteral("numversion~2~2~3"));
        CatalogueScript::script(caisse, CatalogueScript::sample());
        linkTo(caisse);
        QVERIFY(activate());
    }

    // The address typed on a keyboard into the box that holds the focus, over what it held, then "Utilisation en
    // local".
    void startBy(const std::function<void(QWidget*)>& touch, const ScriptedRegister& caisse)
    {
        // what the box holds is replaced
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        typeOnKeyboard(caisse.address());
        touch(find<RedKey>(QStringLiteral("button4")));
        QTRY_COMPARE(front(), QStringLiteral("serveur"));
    }

    // What a keyboard or a barcode reader types reaches the control that holds the focus, or the window.
    void typeOnKeyboard(const QString& text) const
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClicks(focus ? focus : form.get(), text);
    }

    QString front() const { return form->frontView() ? form->frontView()->objectName() : QString(); }
    QString focus() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    StartView* start() const { return find<StartView>(QStringLiteral("init")); }
    WaiterView* waiters() const { return qobject_cast<WaiterView*>(form->view(QStringLiteral("serveur"))); }
    TableChoiceView* tableChoice() const
    {
        return qobject_cast<TableChoiceView*>(form->view(QStringLiteral("choixtable")));
    }
    PaymentView* payment() const { return qobject_cast<PaymentView*>(form->view(QStringLiteral("encaissement"))); }

    // What the reader finds on the screen: every object showing lies on the view in front, and every control a
    // finger can tap there is a named button with a press action.
    void checkReaderSees(const QStringList& names) const
    {
        QWidget* frontView = form->frontView();
        QVERIFY(frontView);
        QList<QAccessibleInterface*> found;
        walk(accessible(form.get()), found);
        QStringList buttons;
        for (QAccessibleInterface* iface : std::as_const(found)) {
            if (iface->state().invisible)
                continue;
            QWidget* widget = widgetOf(iface);
            QVERIFY2(widget == frontView || frontView->isAncestorOf(widget),
                     qPrintable(QStringLiteral("%1 on %2 shows behind %3")
                                    .arg(iface->text(QAccessible::Name), widget->objectName(), front())));
            if (iface->object() != widget || !tappable(widget))
                continue;
            const QString name = iface->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QStringLiteral("%1 %2 on %3 has no name")
                                                               .arg(QLatin1String(widget->metaObject()->className()),
                                                                    widget->objectName(), front())));
            QVERIFY2(iface->role() == QAccessible::Button || iface->role() == QAccessible::CheckBox, qPrintable(name));
            QVERIFY2(iface->actionInterface(), qPrintable(name));
            const QStringList actions = iface->actionInterface()->actionNames();
            QVERIFY2(actions.contains(QAccessibleActionInterface::pressAction()) ||
                         actions.contains(QAccessibleActionInterface::toggleAction()),
                     qPrintable(name));
            buttons.append(name);
        }
        for (const QString& name : names)
            QVERIFY2(buttons.contains(name), qPrintable(name + QStringLiteral(" not among ") + buttons.join('|')));
    }
};

// A press through the reader's action, answered as the toolkit's buttons are: the tap's handler runs from the
// event loop, which the test lets run until it has sent its first request.
void pressByReader(QWidget* control, const ScriptedRegister& caisse)
{
    const int sent = caisse.requests().size();
    QAccessibleInterface* iface = accessible(control);
    QVERIFY(iface && iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY2(caisse.requests().size() > sent, qPrintable(control->objectName() + QStringLiteral(" sent nothing")));
}

void pressByReaderSendingNothing(QWidget* control)
{
    accessible(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(20);
}

void tap(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

// Where a key is reached from the started terminal, the key itself, and the replies its handler gets.
struct KeyCase
{
    std::function<QWidget*(Terminal&, ScriptedRegister&)> reach;
    QStringList replies;
};

} // namespace

Q_DECLARE_METATYPE(KeyCase)

class tst_Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readerGoesThroughAServiceByPressesAlone();
    void pressSendsWhatATapSends_data();
    void pressSendsWhatATapSends();
    void focusFollowsTheViewInFront();
    void focusGoesToTheConfigurationAndBack();
    void typingOnAViewWithoutATextBoxChangesNothing();
    void boxesAreInScreenPixels();
};

void tst_Accessibility::readerGoesThroughAServiceByPressesAlone()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    QCOMPARE(accessible(t.form.get())->text(QAccessible::Name), QStringLiteral("Form1"));
    QCOMPARE(accessible(t.start()->addressEdit())->text(QAccessible::Name), StartView::RestingStatus);
    t.checkReaderSees(
        {QStringLiteral("Utilisation en local"), QStringLiteral("Configuration"), QStringLiteral("Quitter")});
    pressByReaderSendingNothing(t.find<QPushButton>(QStringLiteral("Button1")));
    QTRY_COMPARE(t.front(), QStringLiteral("config"));
    t.checkReaderSees({QStringLiteral("Utiliser un plan de salle graphique"),
                       QStringLiteral("Demander le nombre de couverts"),
                       QStringLiteral("Sauvegarder la configuration")});
    pressByReaderSendingNothing(t.find<QPushButton>(QStringLiteral("Button12")));
    QTRY_COMPARE(t.front(), QStringLiteral("init"));

    t.startBy([&](QWidget* key) { pressByReader(key, caisse); }, caisse);
    t.checkReaderSees({QStringLiteral("Camille"), QStringLiteral("Paul"), QStringLiteral("Patron")});

    // Camille must give his code: the code panel covers the waiter keys
    caisse.replyLine(QStringLiteral("code;1;"));
    pressByReader(t.waiters()->waiterKey(1), caisse);
    QTRY_VERIFY(t.waiters()->codePanel()->isVisible());
    QCOMPARE(accessible(t.waiters()->waiterKey(1))->state().invisible, true);
    QCOMPARE(accessible(t.waiters()->codePanel()->codeEdit())->text(QAccessible::Name),
             QStringLiteral("Entrez votre code"));
    t.checkReaderSees({QStringLiteral("Valider")});
    t.waiters()->codePanel()->codeEdit()->setText(QStringLiteral("482"));
    caisse.replyLine(QStringLiteral("code1;1;"));
    pressByReader(t.waiters()->codePanel()->validateKey(), caisse);
    QTRY_COMPARE(t.front(), QStringLiteral("choixtable"));
    QCOMPARE(caisse.requests().constLast(), QStringLiteral("code1$1$482$"));
    t.checkReaderSees({QStringLiteral("Travailler sans table sur le compte serveur"),
                       QStringLiteral("Nombre de couverts"), QStringLiteral("Plan de salle"),
                       QStringLiteral("Tables occupées"), QStringLiteral("Tables libres"), QStringLiteral("Quitter"),
                       QStringLiteral("Se déconnecter du compte Camille")});

    caisse.replyLine(QStringLiteral("12;"));
    pressByReader(t.tableChoice()->freeTablesKey(), caisse);
    QTRY_VERIFY(t.tableChoice()->tableListPanel()->isVisible());
    QCOMPARE(caisse.requests().constLast(), QStringLiteral("ademandelibre$"));
    t.checkReaderSees({QStringLiteral("Annuler"), QStringLiteral("Valider")});
    ListTouch::touch(t.find<QListWidget>(QStringLiteral("ListViewtable")), 0);
    caisse.replyLine(QStringLiteral("4"));
    caisse.replyLine(QStringLiteral("Table 12~1 Pastis"));
    pressByReader(t.find<QPushButton>(QStringLiteral("Button26")), caisse);
    QTRY_COMPARE(t.front(), QStringLiteral("ticket"));
    t.checkReaderSees({QStringLiteral("Finaliser ticket"), QStringLiteral("Pastis")});

    caisse.replyLine(QStringLiteral("3,50 EUR"));
    pressByReader(t.ticketView()->finaliseKey(), caisse);
    QTRY_COMPARE(t.front(), QStringLiteral("encaissement"));
    QCOMPARE(t.focus(), QStringLiteral("encaissement"));
    t.checkReaderSees({QStringLiteral("Carte bancaire"), QStringLiteral("Especes")});

    // the whole ticket and its payment were pressed without a finger: the logout too
    caisse.replyLine(QStringLiteral("ok"));
    pressByReader(t.payment()->paymentMode1Key(), caisse);
    QTRY_COMPARE(t.front(), QStringLiteral("choixtable"));
    pressByReaderSendingNothing(t.tableChoice()->logoutButton());
    QTRY_COMPARE(t.front(), QStringLiteral("serveur"));
    t.checkReaderSees({QStringLiteral("Camille")});
}

void tst_Accessibility::pressSendsWhatATapSends_data()
{
    QTest::addColumn<KeyCase>("keyCase");

    QTest::newRow("waiter key") << KeyCase{
        [](Terminal& t, ScriptedRegister&) -> QWidget* { return t.waiters()->waiterKey(2); },
        {QStringLiteral("code;0;")}};
    QTest::newRow("red key of the table choice") << KeyCase{[](Terminal& t, ScriptedRegister& caisse) -> QWidget* {
                                                                caisse.replyLine(QStringLiteral("ok"));
                                                                tap(t.waiters()->waiterKey(1));
                                                                return t.tableChoice()->busyTablesKey();
                                                            },
                                                            {QStringLiteral("3;5;")}};
    QTest::newRow("side key of the ticket") << KeyCase{[](Terminal& t, ScriptedRegister&) -> QWidget* {
                                                           t.openTicketOfTable12();
                                                           return t.ticketView()->refreshKey();
                                                       },
                                                       {QStringLiteral("Table 12~1 Pastis")}};
    QTest::newRow("product key") << KeyCase{[](Terminal& t, ScriptedRegister&) -> QWidget* {
                                                t.openTicketOfTable12();
                                                return t.form->catalogueLoad().productKeys().key(0);
                                            },
                                            {QStringLiteral("Table 12~1 Pastis"), QStringLiteral("ok")}};
    QTest::newRow("payment key") << KeyCase{[](Terminal& t, ScriptedRegister& caisse) -> QWidget* {
                                                t.openTicketOfTable12();
                                                caisse.replyLine(QStringLiteral("3,50 EUR"));
                                                tap(t.ticketView()->finaliseKey());
                                                return t.payment()->paymentMode4Key();
                                            },
                                            {QStringLiteral("ok")}};
}

void tst_Accessibility::pressSendsWhatATapSends()
{
    QFETCH(KeyCase, keyCase);

    // the same key in the same state, once tapped, once pressed by the reader
    QList<QStringList> sent;
    for (const bool byReader : {false, true}) {
        ScriptedRegister caisse;
        Terminal t(caisse);
        t.startBy(tap, caisse);
        QWidget* key = keyCase.reach(t, caisse);
        QVERIFY(key && key->isVisible());
        for (const QString& reply : keyCase.replies)
            caisse.replyLine(reply);
        const int before = caisse.requests().size();
        if (byReader)
            pressByReader(key, caisse);
        else
            tap(key);
        QTest::qWait(50);
        sent.append(caisse.requests().mid(before));
    }
    QVERIFY(!sent.at(0).isEmpty());
    QCOMPARE(sent.at(1), sent.at(0));
}

void tst_Accessibility::focusFollowsTheViewInFront()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    QCOMPARE(t.focus(), QStringLiteral("Edit1"));
    t.startBy(tap, caisse);
    QCOMPARE(t.focus(), QStringLiteral("serveur"));

    caisse.replyLine(QStringLiteral("code;1;"));
    tap(t.waiters()->waiterKey(1));
    QCOMPARE(t.focus(), QStringLiteral("Edit3"));
    // the code typed on a keyboard, each digit tried by the register, logs in
    for (int i = 0; i < 3; ++i)
        caisse.replyLine(QStringLiteral("code1;0;"));
    caisse.replyLine(QStringLiteral("code1;1;"));
    t.typeOnKeyboard(QStringLiteral("4826"));
    QCOMPARE(t.front(), QStringLiteral("choixtable"));
    QCOMPARE(t.focus(), QStringLiteral("choixtable"));

    t.openTicketOfTable12();
    t.tableChoice()->hide();
    QCOMPARE(t.focus(), QStringLiteral("ticket"));
    tap(t.ticketView()->registerMessageKey());
    QCOMPARE(t.front(), QStringLiteral("messages"));
    QCOMPARE(t.focus(), QStringLiteral("Edit4"));
    tap(t.find<QPushButton>(QStringLiteral("CornerButton4")));
    QCOMPARE(t.front(), QStringLiteral("ticket"));
    QCOMPARE(t.focus(), QStringLiteral("ticket"));

    caisse.replyLine(QStringLiteral("ok"));
    tap(t.ticketView()->chooseTableKey());
    QCOMPARE(t.front(), QStringLiteral("plan"));
    QCOMPARE(t.focus(), QStringLiteral("plan"));
    tap(t.find<QPushButton>(QStringLiteral("Button16")));
    QCOMPARE(t.front(), QStringLiteral("choixtable"));
    QCOMPARE(t.focus(), QStringLiteral("choixtable"));

    // after the logout no control of the table choice keeps the focus
    tap(t.tableChoice()->logoutButton());
    QCOMPARE(t.front(), QStringLiteral("serveur"));
    QCOMPARE(t.focus(), QStringLiteral("serveur"));
}

void tst_Accessibility::focusGoesToTheConfigurationAndBack()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    QCOMPARE(t.focus(), QStringLiteral("Edit1"));
    tap(t.find<QPushButton>(QStringLiteral("Button1")));
    QCOMPARE(t.front(), QStringLiteral("config"));
    QCOMPARE(t.focus(), QStringLiteral("Edit2"));
    tap(t.find<QPushButton>(QStringLiteral("Button12")));
    QCOMPARE(t.front(), QStringLiteral("init"));
    QCOMPARE(t.focus(), QStringLiteral("Edit1"));
}

void tst_Accessibility::typingOnAViewWithoutATextBoxChangesNothing()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    t.startBy(tap, caisse);
    const QString address = caisse.address();
    QCOMPARE(t.start()->addressEdit()->text(), address);
    const auto typeStrayKeys = [&] {
        t.typeOnKeyboard(QStringLiteral(" 7\b\b\b"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };

    int sent = caisse.requests().size();
    typeStrayKeys();
    QCOMPARE(t.start()->addressEdit()->text(), address);
    QCOMPARE(t.form->settings()[SettingsSlots::Address], address);
    QCOMPARE(t.front(), QStringLiteral("serveur"));
    QCOMPARE(caisse.requests().size(), sent);

    // a wrong code closes the code panel, which held the focus: the digits typed next try no code
    caisse.replyLine(QStringLiteral("code;1;"));
    tap(t.waiters()->waiterKey(1));
    caisse.replyLine(QStringLiteral("code1;0;"));
    t.waiters()->codePanel()->codeEdit()->setText(QStringLiteral("11"));
    tap(t.waiters()->codePanel()->validateKey());
    QVERIFY(!t.waiters()->codePanel()->isVisible());
    QCOMPARE(t.messages, QStringList{QStringLiteral("Mauvais code!!")});
    sent = caisse.requests().size();
    typeStrayKeys();
    t.typeOnKeyboard(QStringLiteral("4826"));
    QCOMPARE(caisse.requests().size(), sent);
    QCOMPARE(t.focus(), QStringLiteral("serveur"));
}

void tst_Accessibility::boxesAreInScreenPixels()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    t.startBy(tap, caisse);
    // the suite runs this test at a scale of 2, as a tablet does at about that
    const qreal scale = t.form->windowHandle()->devicePixelRatio();
    QVERIFY2(scale > 1, "the test wants QT_SCALE_FACTOR=2");
    const auto inPixels = [scale](QWidget* widget) {
        const QRect units(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        return QRectF(QPointF(units.topLeft()) * scale, QSizeF(units.size()) * scale).toRect();
    };

    QCOMPARE(accessible(t.form.get())->rect(), inPixels(t.form.get()));
    RedKey* key = t.waiters()->waiterKey(8);
    QCOMPARE(accessible(key)->rect(), inPixels(key));
    // a finger on the key finds the key, not the view made first under it
    QCOMPARE(objectAt(t.form.get(), inPixels(key).center()), accessible(key));

    // a product key deep in its tab and its scroll box, and a button of the toolkit
    t.openTicketOfTable12();
    CatalogueKey* product = t.form->catalogueLoad().productKeys().key(1);
    QVERIFY(product->isVisible());
    QCOMPARE(accessible(product)->rect(), inPixels(product));
    QCOMPARE(objectAt(t.form.get(), inPixels(product).center()), accessible(product));
    RedKey* sideKey = t.ticketView()->finaliseKey();
    QCOMPARE(objectAt(t.form.get(), inPixels(sideKey).center()), accessible(sideKey));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
