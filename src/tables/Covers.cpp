#include "Covers.h"

#include "ChoixTableView.h"
#include "TableReplies.h"
#include "app/ExchangeSequence.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QString currently(const QString& count)
{
    return QStringLiteral("Actuellement, ") + count + QStringLiteral(" couvert(s)");
}

// Both covers requests drop a line the register may have left, and read at once.
QString ask(TForm4& form, const QString& request)
{
    ExchangeOptions options;
    options.staleRead = true;
    return form.tCPClient().echangeOrEmpty(request, options);
}

} // namespace

Covers::Covers(TForm4& form) : m_form(form)
{
    ChoixTableView* choixtable = m_form.choixtable();
    connect(choixtable->button19(), &RedKey::clicked, this, &Covers::cornerbutton8Click);
    connect(choixtable->ListBox1(), &QListWidget::itemSelectionChanged, this, &Covers::ListBox1Change);
    connect(choixtable->ListBox1(), &QListWidget::itemClicked, this, &Covers::ListBox1ItemClick);
    connect(choixtable->Button15(), &QPushButton::clicked, this, &Covers::Button15Click);
    connect(choixtable->Button31(), &QPushButton::clicked, this, &Covers::Button31Click);
}

void Covers::openAfterChoice()
{
    ChoixTableView* choixtable = m_form.choixtable();
    choixtable->Panelcouv()->raise();
    choixtable->Panelcouv()->show();
    choixtable->Label11()->setText(QStringLiteral("Entrez le nombre de couverts"));
    choixtable->ListBox1()->setCurrentRow(0);
}

void Covers::cornerbutton8Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    ChoixTableView* choixtable = m_form.choixtable();
    choixtable->Panelcouv()->show();
    choixtable->Panelcouv()->raise();
    const QString reply = ask(m_form, QStringLiteral("couverts$") + m_form.numtable + QLatin1Char('$') +
                                          m_form.numserveur + QLatin1Char('$'));
    const TableReplies::CoversReply covers = TableReplies::coversReply(reply);
    switch (covers.kind) {
    case TableReplies::CoversReply::Kind::None:
        // nothing the list can show: the panel stays as it was
        break;
    case TableReplies::CoversReply::Kind::Entry:
        choixtable->ListBox1()->setCurrentRow(covers.count);
        choixtable->Label11()->setText(currently(reply.trimmed()));
        break;
    case TableReplies::CoversReply::Kind::TooMany:
        // the register's count is true but no entry stands for it: the waiter picks one, none is taken for him
        choixtable->ListBox1()->clearSelection();
        choixtable->ListBox1()->setCurrentRow(-1);
        choixtable->Label11()->setText(currently(reply.trimmed()));
        break;
    }
}

void Covers::ListBox1Change()
{
    QListWidget* list = m_form.choixtable()->ListBox1();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    m_form.choixtable()->Button15()->setText(
        selected.isEmpty() ? QStringLiteral("Valider")
                           : QStringLiteral("Valider ") + selected.first()->text() + QStringLiteral(" couvert(s)"));
}

void Covers::ListBox1ItemClick()
{
    ListBox1Change();
}

void Covers::Button15Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    ChoixTableView* choixtable = m_form.choixtable();
    const QList<QListWidgetItem*> selected = choixtable->ListBox1()->selectedItems();
    // no count chosen: nothing to send, the panel waits for one
    if (selected.isEmpty())
        return;
    m_form.nbcouverts = QString::number(choixtable->ListBox1()->row(selected.first()));
    const QString reply = ask(m_form, QStringLiteral("envcouverts$") + m_form.numtable + QLatin1Char('$') +
                                          m_form.nbcouverts + QLatin1Char('$') + m_form.numserveur + QLatin1Char('$'));
    choixtable->Label11()->setText(currently(reply));
    choixtable->Panelcouv()->hide();
    m_form.ticket()->show();
    choixtable->hide();
    // a table taken from the list opens this panel before its ticket was ever fetched
    m_form.ticketDisplay().refreshticket();
    QCoreApplication::processEvents();
}

void Covers::Button31Click()
{
    if (ExchangeSequence::running())
        return;
    m_form.choixtable()->Panelcouv()->hide();
    m_form.choixtable()->show();
}
