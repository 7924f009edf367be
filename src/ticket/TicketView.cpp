#include "TicketView.h"

#include "app/Fonts.h"
#include "app/Palette.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

DesignView* panel(const QString& name)
{
    auto* view = new DesignView(name, QSizeF(403, 651));
    view->setBackground(Palette::Background);
    return view;
}

} // namespace

TicketView::TicketView(QWidget* parent)
    : DesignView(QStringLiteral("ticket"), QSizeF(403, 651), parent), m_memo1(new QPlainTextEdit),
      m_memoart(new QLineEdit), m_panelAnnul(panel(QStringLiteral("panel_annul"))),
      m_panelEnvCuis(panel(QStringLiteral("panel_env_cuis"))), m_panel2(panel(QStringLiteral("Panel2")))
{
    setBackground(Palette::Background);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setReadOnly(true);
    m_memo1->setFont(Fonts::fixedBold(11));
    place(m_memo1, QRectF(64.7, 0, 270.4, 244.4));
    m_memoart->setObjectName(QStringLiteral("Memoart"));
    m_memoart->setReadOnly(true);
    m_memoart->setFocusPolicy(Qt::NoFocus);
    m_memoart->setAlignment(Qt::AlignCenter);
    m_memoart->setFont(Fonts::plain(14, true));
    // a one-line strip over the vertical centre of the ticket
    place(m_memoart, QRectF(64.7, 244.4 / 2 - 12.5, 270.4, 25));
    fill(m_panelAnnul);
    fill(m_panelEnvCuis);
    fill(m_panel2);
}
