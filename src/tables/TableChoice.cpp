#include "TableChoice.h"

#include "ChoixTableView.h"
#include "Covers.h"
#include "PlanView.h"
#include "TableReplies.h"
#include "app/ExchangeSequence.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "catalogue/CatalogueLoad.h"
#include "link/LinkError.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "waiters/ServeurView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QThread>

namespace {

constexpr int NoticeHeight = 91;
constexpr int ListPauseMs = 150;
constexpr int CoversPauseMs = 150;
constexpr int PlanTicketPauseMs = 100;

} // namespace

TableChoice::TableChoice(TForm4& form) : m_form(form)
{
    ChoixTableView* choixtable = m_form.choixtable();
    connect(choixtable->button5(), &RedKey::clicked, this, &TableChoice::Button5Click);
    connect(choixtable->button24(), &RedKey::clicked, this, &TableChoice::Button24Click);
    connect(choixtable->button25(), &RedKey::clicked, this, &TableChoice::Button25Click);
    connect(choixtable->Button30(), &QPushButton::clicked, this, &TableChoice::Button30Click);
    connect(choixtable->Button26(), &QPushButton::clicked, this, &TableChoice::Button26Click);
    connect(&m_form.catalogueLoad().tableButtons(), &TableButtons::tableTapped, this, &TableChoice::sorttable);
}

void TableChoice::Button5Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    m_form.numtable = QStringLiteral("0");
    openTicket();
    m_form.choixtable()->Panel9()->hide();
}

void TableChoice::Button24Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    demande_table_libre();
    m_form.choixtable()->show();
}

void TableChoice::Button25Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    m_form.plan()->hide();
    demande_table();
}

void TableChoice::demande_table_libre()
{
    fillList(QStringLiteral("ademandelibre$"), true, QStringLiteral(" Libre"),
             QStringLiteral("Aucune table libre actuellement"), FreeNoticeRounds);
}

void TableChoice::demande_table()
{
    fillList(QStringLiteral("ademande$"), false, QStringLiteral(" Occupée"), QStringLiteral("Aucune table utilisée"),
             BusyNoticeRounds);
    m_form.choixtable()->show();
}

void TableChoice::Button30Click()
{
    if (ExchangeSequence::running())
        return;
    m_form.choixtable()->Panel9()->hide();
}

void TableChoice::Button26Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    ChoixTableView* choixtable = m_form.choixtable();
    const QList<QListWidgetItem*> selected = choixtable->ListViewtable()->selectedItems();
    if (selected.isEmpty())
        return;
    m_form.numtable = TableReplies::tableOfItem(selected.first()->text());
    m_form.nbcouverts = askCovers(QStringLiteral("couverts$") + m_form.numtable + QLatin1Char('$'));
    choixtable->Label12()->setText(TableReplies::headerFromList(m_form.catalogue().serv(m_form.numserveur.toInt()),
                                                                m_form.numserveur, m_form.numtable, m_form.nbcouverts));
    choixtable->Panel9()->hide();
    if (m_form.nbcouverts == QLatin1String("0") && m_form.settings()[3] == QLatin1String("1"))
        m_form.covers().openAfterChoice();
    else
        openTicket();
}

void TableChoice::sorttable(int table)
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    m_form.numtable = QString::number(table);
    m_form.nbcouverts = askCovers(QStringLiteral("couverts$") + m_form.numtable + QLatin1Char('$') + m_form.nbcouverts +
                                  QLatin1Char('$') + m_form.numserveur + QLatin1Char('$'));
    ChoixTableView* choixtable = m_form.choixtable();
    choixtable->Label12()->setText(TableReplies::headerFromPlan(m_form.numserveur, m_form.numtable, m_form.nbcouverts));
    choixtable->Panel9()->hide();
    if (m_form.nbcouverts == QLatin1String("0") && m_form.settings()[3] == QLatin1String("1")) {
        m_form.covers().openAfterChoice();
        m_form.plan()->hide();
    } else {
        openTicket();
        m_form.plan()->hide();
        choixtable->hide();
        m_form.ticket()->show();
    }
    // the covers field of this request is always 0, whatever the table has
    try {
        ExchangeOptions options;
        options.pauseMs = PlanTicketPauseMs;
        m_form.ticketDisplay().showTicket(m_form.tCPClient().echange(
            QStringLiteral("ad$") + m_form.numtable + QStringLiteral("$0$") + m_form.numserveur + QLatin1Char('$'),
            options));
    } catch (const LinkError&) {
        // the ticket shown stays as it was
    }
}

void TableChoice::showNotice(const QString& text, QWidget* view, int rounds)
{
    QLabel* textmess = m_form.Textmess();
    textmess->setText(text);
    const int height = NoticeHeight * m_form.height() / TForm4::DesignHeight;
    const QRect area(view->mapTo(&m_form, QPoint()), view->size());
    textmess->setGeometry(area.x(), area.y() + (area.height() - height) / 2, area.width(), height);
    textmess->raise();
    textmess->show();
    textmess->repaint();
    for (int round = 0; round < rounds; ++round) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    textmess->hide();
}

void TableChoice::fillList(const QString& request, bool staleRead, const QString& state, const QString& emptyNotice,
                           int rounds)
{
    ExchangeOptions options;
    options.staleRead = staleRead;
    options.pauseMs = ListPauseMs;
    // no reply, no list to offer: the notice says so
    const QString reply = m_form.tCPClient().echangeOrEmpty(request, options);
    ChoixTableView* choixtable = m_form.choixtable();
    QListWidget* list = choixtable->ListViewtable();
    list->clear();
    for (const QString& table : TableReplies::tableList(reply))
        list->addItem(QStringLiteral("Table ") + table + state);
    list->clearSelection();
    list->setCurrentRow(-1);
    if (list->count() > 0) {
        list->show();
        choixtable->Panel9()->show();
    } else {
        showNotice(emptyNotice, choixtable, rounds);
    }
}

QString TableChoice::askCovers(const QString& request)
{
    ExchangeOptions options;
    options.staleRead = true;
    options.pauseMs = CoversPauseMs;
    return m_form.tCPClient().echangeOrEmpty(request, options);
}

void TableChoice::openTicket()
{
    m_form.ticket()->show();
    m_form.serveur()->hide();
    m_form.choixtable()->hide();
    m_form.ticketDisplay().refreshticket();
}
