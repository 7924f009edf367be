#include "WaiterLogin.h"

#include "CodeEdit.h"
#include "Identification.h"
#include "ServeurView.h"
#include "app/ExchangeSequence.h"
#include "app/InputBlocker.h"
#include "app/MessageBox.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "tables/ChoixTableView.h"
#include "ticket/TicketView.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int CodePauseMs = 10;
constexpr int ValiderPauseMs = 100;

// Lets the new screen paint; a touch meanwhile was aimed at the screen being left and is dropped.
void paintPending()
{
    const InputBlocker blocker;
    QCoreApplication::processEvents();
}

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

WaiterLogin::WaiterLogin(TForm4& form) : m_form(form)
{
    ServeurView* serveur = m_form.serveur();
    for (int waiter = 1; waiter <= ServeurView::WaiterCount; ++waiter) {
        RedKey* key = serveur->waiterKeys().at(static_cast<size_t>(waiter - 1));
        QObject::connect(key, &RedKey::clicked, serveur,
                         [this, waiter] { m_form.guarded([this, waiter] { waiterClick(waiter); }); });
    }
    QObject::connect(serveur->Rectangle13(), &RedKey::clicked, serveur,
                     [this] { m_form.guarded([this] { ValiderClick(); }); });
    serveur->Edit3()->installEventFilter(this);
    QObject::connect(m_form.choixtable()->Button17(), &QPushButton::clicked, m_form.choixtable(),
                     [this] { Button17Click(); });
}

void WaiterLogin::waiterClick(int waiter)
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    // the request still carries the previous waiter; the key's waiter becomes current whatever the reply
    changeserv(waiter);
    m_form.numserveur = QString::number(waiter);
}

void WaiterLogin::changeserv(int waiter)
{
    m_form.reponse = ask(Identification::codeRequest(waiter), CodePauseMs, true);
    switch (Identification::readWaiterReply(m_form.reponse)) {
    case Identification::WaiterReply::None:
        return;
    case Identification::WaiterReply::MustClockIn:
        MessageBox::show(&m_form, QStringLiteral("Ce serveur doit pointer avant d'utiliser la caisse"));
        return;
    case Identification::WaiterReply::CodeRequired: {
        ServeurView* serveur = m_form.serveur();
        serveur->Rectangle11()->raise();
        serveur->Rectangle11()->show();
        serveur->Edit3()->clear();
        serveur->Edit3()->setFocus();
        return;
    }
    case Identification::WaiterReply::MayWork:
        entreChoixTable(serv(waiter));
        return;
    }
}

void WaiterLogin::ValiderClick()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    ServeurView* serveur = m_form.serveur();
    const QString code = serveur->Edit3()->text();
    if (code.isEmpty()) {
        MessageBox::show(&m_form, QStringLiteral("Vous devez entrer votre code d'identification"));
        return;
    }
    m_form.reponse = ask(Identification::code1Request(m_form.numserveur, code), ValiderPauseMs, true);
    serveur->Edit3()->clear();
    if (Identification::codeAccepted(m_form.reponse)) {
        serveur->Rectangle11()->hide();
        entreChoixTable(serv(m_form.numserveur.toInt()));
    } else {
        MessageBox::show(&m_form, QStringLiteral("Mauvais code!!"));
        // back to the waiter keys: the waiter starts over with his name
        serveur->Rectangle11()->hide();
    }
}

bool WaiterLogin::Edit3KeyDown(const QString& text)
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return false;
    ServeurView* serveur = m_form.serveur();
    const QString candidate = serveur->Edit3()->text() + text;
    if (candidate.isEmpty())
        return false;
    // a wrong candidate is only a code not finished yet: it stays silent
    if (!Identification::codeAccepted(ask(Identification::code1Request(m_form.numserveur, candidate), 0, false)))
        return false;
    serveur->Edit3()->clear();
    serveur->Rectangle11()->hide();
    entreChoixTable(serv(m_form.numserveur.toInt()));
    return true;
}

void WaiterLogin::Button17Click()
{
    if (ExchangeSequence::running())
        return;
    m_form.serveur()->show();
    m_form.choixtable()->hide();
}

bool WaiterLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form.serveur()->Edit3())
        return false;
    bool used = false;
    // keypads of touch screens deliver their digits as committed input rather than key presses
    if (event->type() == QEvent::KeyPress)
        m_form.guarded([&] { used = Edit3KeyDown(typedText(static_cast<QKeyEvent*>(event)->text())); });
    else if (event->type() == QEvent::InputMethod && !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
        m_form.guarded([&] { used = Edit3KeyDown(typedText(static_cast<QInputMethodEvent*>(event)->commitString())); });
    return used;
}

QString WaiterLogin::ask(const QString& request, int pauseMs, bool secondRead)
{
    RegisterLink& link = m_form.tCPClient();
    // connecting and sending are not caught here: their failure ends the handler with its error text
    if (!link.connected())
        link.connectToRegister();
    link.sendLine(request);
    RegisterLink::pause(pauseMs);
    const auto read = [&link]() -> QString {
        try {
            return link.readLine();
        } catch (const LinkError&) {
            return QString();
        }
    };
    QString reply = read();
    if (secondRead && reply.isEmpty())
        reply = read();
    return reply;
}

void WaiterLogin::entreChoixTable(const QString& name)
{
    ChoixTableView* choixtable = m_form.choixtable();
    choixtable->show();
    paintPending();
    m_form.serveur()->hide();
    choixtable->Panel9()->hide();
    choixtable->Label12()->setText(name + QStringLiteral(" Aucune Table"));
    choixtable->Button17()->setText(QStringLiteral("Se déconnecter du compte ") + name);
    choixtable->show();
    paintPending();
    m_form.ticket()->TabControl()->setCurrentIndex(0);
}

QString WaiterLogin::serv(int waiter) const
{
    return m_form.catalogue().serv(waiter);
}
