#include "RoomPlan.h"

#include "ChoixTableView.h"
#include "PlanView.h"
#include "TableReplies.h"
#include "app/ExchangeSequence.h"
#include "app/RedKey.h"
#include "app/TForm4.h"
#include "catalogue/CatalogueLoad.h"
#include "catalogue/ColourShape.h"
#include "catalogue/TapCaption.h"
#include "ticket/LineActionPanel.h"
#include "ticket/TicketView.h"

#include <QPushButton>

namespace {

struct Pass
{
    QColor body;
    QColor caption;
};

// A later pass paints over an earlier one; the third whitens every caption, flagged or not.
const std::array<Pass, TableReplies::TableStates::Groups> Passes{{
    {QColor::fromRgba(0xFF0000FF), QColor::fromRgba(0xFFFFFFFF)},
    {QColor::fromRgba(0xFFB6B6B6), QColor::fromRgba(0x00000000)},
    {QColor::fromRgba(0xFFFF0000), QColor::fromRgba(0xFFFFFFFF)},
}};

void setCaptionColour(QWidget* caption, const QColor& colour)
{
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, colour);
    caption->setPalette(palette);
}

} // namespace

RoomPlan::RoomPlan(TForm4& form) : m_form(form)
{
    connect(m_form.choixtable()->button20(), &RedKey::clicked, this, &RoomPlan::Button20Click);
    connect(m_form.ticket()->b2(), &RedKey::clicked, this, &RoomPlan::b2Click);
    connect(m_form.plan()->Button16(), &QPushButton::clicked, this, &RoomPlan::Button16Click);
}

void RoomPlan::Button20Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    m_form.plan()->show();
    refreshTableStates();
}

void RoomPlan::b2Click()
{
    const ExchangeSequence sequence;
    if (!sequence.started())
        return;
    TicketView* ticket = m_form.ticket();
    ticket->panel_annul()->hide();
    // the curtain keeps the ticket's keys out of reach while the plan is being prepared
    ticket->Panel5()->raise();
    ticket->Panel5()->show();
    ticket->Panel5()->repaint();
    m_form.choixtable()->show();
    m_form.choixtable()->repaint();
    ticket->hide();
    m_form.plan()->show();
    m_form.plan()->repaint();
    refreshTableStates();
    ticket->Panel5()->hide();
}

void RoomPlan::Button16Click()
{
    if (ExchangeSequence::running())
        return;
    m_form.plan()->hide();
}

void RoomPlan::refreshTableStates()
{
    ExchangeOptions options;
    options.staleRead = true;
    options.pauseMs = 150;
    // no states: the tables keep their colours and only the captions are whitened
    const QString reply = m_form.tCPClient().echangeOrEmpty(QStringLiteral("tableocc"), options);
    const TableReplies::TableStates states = TableReplies::tableStates(reply);
    const TableButtons& tables = m_form.catalogueLoad().tableButtons();
    for (int pass = 0; pass < TableReplies::TableStates::Groups; ++pass) {
        for (int z = 0; z < qMin(tables.count(), TableReplies::TableCount); ++z) {
            ColourShape* body = tables.btable(z);
            TapCaption* caption = tables.ltable(z);
            // a table the catalogue does not show is left alone
            if (!body || !caption || body->isHidden())
                continue;
            const bool flagged = states.flags.at(size_t(pass)).at(size_t(z));
            if (flagged)
                body->setColour(Passes.at(size_t(pass)).body);
            if (flagged || pass == TableReplies::TableStates::Groups - 1)
                setCaptionColour(caption, Passes.at(size_t(pass)).caption);
        }
    }
}
