#include "WaiterLogin.h"

#include "CodeEdit.h"
#include "CodePanel.h"
#include "Identification.h"
#include "WaiterView.h"
#include "catalogue/Catalogue.h"
#include "link/RegisterLink.h"
#include "session/Limits.h"
#include "session/Session.h"
#include "tables/TableChoiceView.h"
#include "ticket/TicketView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/MessageBox.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// The character a key adds to the box: none for keys such as Backspace, Return or Shift.
QString typedText(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isPrint())
            return QString();
    }
    return text;
}

} // namespace

WaiterLogin::WaiterLogin(RegisterLink& link, Session& session, const Catalogue& catalogue, HandlerGuard& guard,
                         ViewSlot<WaiterView>& waiterView, ViewSlot<TableChoiceView>& tableChoiceView,
                         ViewSlot<TicketView>& ticketView, Navigation& screens)
    : m_link(link), m_session(session), m_catalogue(catalogue), m_guard(guard), m_waiterView(waiterView),
      m_tableChoiceView(tableChoiceView), m_ticketView(ticketView), m_screens(screens)
{
    m_waiterView.whenMade([this](WaiterView& view) {
        for (int waiter = 1; waiter <= Limits::Waiters; ++waiter)
            m_guard.connect(view.waiterKeys().at(size_t(waiter - 1)), &RedKey::clicked, this,
                            [this, waiter] { chooseWaiter(waiter); });
        m_guard.connect(view.codePanel()->validateKey(), &RedKey::clicked, this, [this] { validateCode(); });
        view.codePanel()->codeEdit()->installEventFilter(this);
    });
    m_tableChoiceView.whenMade([this](TableChoiceView& view) {
        m_guard.connect(view.logoutButton(), &QPushButton::clicked, this, [this] { logOut(); });
    });
}

void WaiterLogin::chooseWaiter(int waiter)
{
    // the request carries the key's waiter, who becomes current whatever the reply
    const QString reply = m_link.exchange(Session::waiterQuery(waiter)).reply;
    m_session.setWaiter(waiter);
    switch (Identification::readWaiterReply(reply)) {
    case Identification::WaiterReply::None:
        return;
    case Identification::WaiterReply::MustClockIn:
        MessageBox::show(&m_waiterView.get(), QStringLiteral("Ce serveur doit pointer avant d'utiliser la caisse"));
        return;
    case Identification::WaiterReply::CodeRequired:
        m_waiterView->openCodePanel();
        return;
    case Identification::WaiterReply::MayWork:
        openTableChoice();
        return;
    }
}

void WaiterLogin::validateCode()
{
    const QString code = m_waiterView->typedCode();
    if (code.isEmpty()) {
        MessageBox::show(&m_waiterView.get(), QStringLiteral("Vous devez entrer votre code d'identification"));
        return;
    }
    const QString reply = m_link.exchange(m_session.codeCheck(code)).reply;
    m_waiterView->clearCode();
    if (Identification::codeAccepted(reply)) {
        m_waiterView->closeCodePanel();
        openTableChoice();
    } else {
        MessageBox::show(&m_waiterView.get(), QStringLiteral("Mauvais code!!"));
        // back to the waiter keys: the waiter starts over with his name
        m_waiterView->closeCodePanel();
    }
}

bool WaiterLogin::codeKeyTyped(const QString& text)
{
    const QString candidate = m_waiterView->typedCode() + text;
    if (candidate.isEmpty())
        return false;
    // a wrong candidate is only a code not finished yet: it stays silent
    if (!Identification::codeAccepted(m_link.exchange(m_session.codeCheckWhileTyping(candidate)).reply))
        return false;
    m_waiterView->clearCode();
    m_waiterView->closeCodePanel();
    openTableChoice();
    return true;
}

void WaiterLogin::logOut()
{
    m_screens.showWaiterKeys();
}

bool WaiterLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_waiterView->codePanel()->codeEdit())
        return false;
    QString text;
    // keypads of touch screens deliver their digits as committed input rather than key presses
    if (event->type() == QEvent::KeyPress)
        text = static_cast<QKeyEvent*>(event)->text();
    else if (event->type() == QEvent::InputMethod)
        text = static_cast<QInputMethodEvent*>(event)->commitString();
    else
        return false;
    if (event->type() == QEvent::InputMethod && text.isEmpty())
        return false;
    bool used = false;
    m_guard.run([&] { used = codeKeyTyped(typedText(text)); });
    return used;
}

void WaiterLogin::openTableChoice()
{
    const QString name = m_catalogue.serv(m_session.waiterNumber());
    m_screens.leaveWaiterKeys();
    m_tableChoiceView->showWaiter(name);
    m_screens.paintDroppingInput();
    // a ticket view made later opens on its first keyboard
    if (TicketView* ticket = m_ticketView.ifMade())
        ticket->showFirstKeyboard();
}
