#include "TicketDisplay.h"

#include "LineActionPanel.h"
#include "TicketMemo.h"
#include "TicketText.h"
#include "TicketView.h"
#include "app/ExchangeSequence.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "link/LinkError.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

TicketDisplay::TicketDisplay(TForm4& form) : m_form(form)
{
    TicketView* ticket = m_form.ticket();
    connect(ticket->b6(), &RedKey::clicked, this, &TicketDisplay::b10Click);
    connect(ticket->b10(), &RedKey::clicked, this, &TicketDisplay::b10Click);
    ticket->Memo1()->viewport()->installEventFilter(this);
    LineActionPanel* panel = ticket->panel_annul();
    connect(panel->Button33(), &QPushButton::clicked, this, &TicketDisplay::Button33Click);
    connect(panel->Button36(), &QPushButton::clicked, this, &TicketDisplay::Button36Click);
    connect(panel->Button37(), &QPushButton::clicked, this, &TicketDisplay::Button37Click);
}

void TicketDisplay::refreshticket()
{
    RegisterLink& link = m_form.tCPClient();
    QPlainTextEdit* memo = m_form.ticket()->Memo1();
    try {
        // without a register the last ticket stays on screen; once the request is out it is replaced
        if (!link.connected())
            link.connectToRegister();
        memo->clear();
        ExchangeOptions options;
        options.pauseMs = 100;
        options.secondRead = true;
        showTicket(link.echange(QStringLiteral("ad$") + m_form.numtable + QLatin1Char('$') + m_form.nbcouverts +
                                    QLatin1Char('$') + m_form.numserveur + QLatin1Char('$'),
                                options));
        // the register follows the ticket with one more line, which would otherwise answer the next request
        link.readLine();
    } catch (const LinkError&) {
        // taking orders goes on without the register: the link probe brings the start view back if it is gone
    }
}

void TicketDisplay::showTicket(const QString& reply)
{
    QPlainTextEdit* memo = m_form.ticket()->Memo1();
    memo->setPlainText(TicketText::fromReply(reply));
    memo->repaint();
}

void TicketDisplay::showNote(const QString& text)
{
    QLineEdit* memoart = m_form.ticket()->Memoart();
    memoart->setText(text);
    memoart->show();
    memoart->repaint();
    m_form.Timer1()->start();
}

void TicketDisplay::b10Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    m_form.ticket()->panel_annul()->hide();
    refreshticket();
    m_form.ticket()->show();
    QCoreApplication::processEvents();
}

void TicketDisplay::Memo1MouseUp(int y)
{
    if (ExchangeSequence::running())
        return;
    auto* memo = static_cast<TicketMemo*>(m_form.ticket()->Memo1());
    // the waiter means the line under his finger: lines scrolled out above count too
    m_lignes = static_cast<float>(y) / static_cast<float>(TicketMemo::linePitch(memo->font())) +
               static_cast<float>(memo->scrolledLines());
    select(TicketText::lineAt(m_lignes));
}

void TicketDisplay::Button36Click()
{
    step(-1);
}

void TicketDisplay::Button37Click()
{
    step(1);
}

void TicketDisplay::Button33Click()
{
    if (ExchangeSequence::running())
        return;
    m_form.ticket()->panel_annul()->hide();
}

bool TicketDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_form.ticket()->Memo1()->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint inMemo = m_form.ticket()->Memo1()->viewport()->mapToParent(mouse->position().toPoint());
            Memo1MouseUp(inMemo.y());
        }
    }
    return QObject::eventFilter(watched, event);
}

void TicketDisplay::step(float by)
{
    if (ExchangeSequence::running())
        return;
    m_lignes += by;
    if (!select(TicketText::lineAt(m_lignes)))
        m_form.ticket()->panel_annul()->hide();
}

bool TicketDisplay::select(int n)
{
    const QStringList lines = m_form.ticket()->Memo1()->toPlainText().split(QLatin1Char('\n'));
    const std::optional<TicketText::PickedLine> picked = TicketText::pickLine(lines, n);
    if (!picked)
        return false;
    m_linenumber = picked->linenumber;
    LineActionPanel* panel = m_form.ticket()->panel_annul();
    panel->Label17()->setText(picked->text);
    panel->raise();
    panel->show();
    return true;
}
