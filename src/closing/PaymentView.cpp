#include "PaymentView.h"

#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"
#include "widgets/Touch.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// the catalogue replaces the captions with the register's payment modes
RedKey* paymentKey(const QString& name, const QString& captionName)
{
    auto* key = new RedKey(name, captionName, QStringLiteral("Mode Test"));
    key->caption()->setFont(Fonts::plain(16, true));
    // these captions keep the platform's text colour
    key->caption()->setPalette(QPalette());
    return key;
}

} // namespace

PaymentView::PaymentView(QWidget* parent)
    : DesignView(QStringLiteral("encaissement"), QSizeF(403, 651), parent), m_memo3(new QPlainTextEdit),
      m_rectangle1(new DesignView(QStringLiteral("Rectangle1"), QSizeF(405, 138))), m_label2(new QLabel),
      m_cb(paymentKey(QStringLiteral("cb"), QStringLiteral("Label46"))),
      m_ba(paymentKey(QStringLiteral("ba"), QStringLiteral("Label48"))),
      m_ch(paymentKey(QStringLiteral("ch"), QStringLiteral("Label47"))),
      m_es(paymentKey(QStringLiteral("es"), QStringLiteral("Label49")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle6"), Palette::Background);
    fill(background);
    background->lower();

    m_memo3->setObjectName(QStringLiteral("Memo3"));
    m_memo3->setReadOnly(true);
    m_memo3->setFont(Fonts::fixedBold(13));
    QTextOption centred = m_memo3->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    m_memo3->document()->setDefaultTextOption(centred);
    QPalette palette = m_memo3->palette();
    palette.setColor(QPalette::Base, Palette::Background);
    palette.setColor(QPalette::Text, Palette::Caption);
    m_memo3->setPalette(palette);
    enableTouchPanning(m_memo3);
    place(m_memo3, QRectF(0, 0, 407.2, 248.5));

    m_rectangle1->setBackground(Palette::TotalBand);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(Fonts::plain(26, true));
    m_label2->setAlignment(Qt::AlignCenter);
    setTextColour(m_label2, Qt::black);
    m_rectangle1->dockTop(m_label2, 35);
    place(m_rectangle1, QRectF(0, 255, 405, 138));

    place(m_cb, QRectF(0, 492.8, 135.7, 80.7));
    place(m_ba, QRectF(132.6, 492.8, 129.4, 80.7));
    place(m_ch, QRectF(261, 492.8, 144.2, 80.7));
    place(m_es, QRectF(-8.4, 572.4, 413.5, 80.7));
}

void PaymentView::setMemoFontSize(int pixelSize)
{
    m_memo3->setFont(Fonts::fixedBold(pixelSize));
}

void PaymentView::showBill(const QString& ticket, const QString& amountDue)
{
    m_memo3->setPlainText(ticket);
    m_label2->setText(amountDue);
}
