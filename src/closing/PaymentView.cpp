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
    : DesignView(QStringLiteral("encaissement"), QSizeF(403, 651), parent), m_billMemo(new QPlainTextEdit),
      m_amountBand(new DesignView(QStringLiteral("Rectangle1"), QSizeF(405, 138))), m_amountLabel(new QLabel),
      m_paymentMode1Key(paymentKey(QStringLiteral("cb"), QStringLiteral("Label46"))),
      m_paymentMode3Key(paymentKey(QStringLiteral("ba"), QStringLiteral("Label48"))),
      m_paymentMode2Key(paymentKey(QStringLiteral("ch"), QStringLiteral("Label47"))),
      m_paymentMode4Key(paymentKey(QStringLiteral("es"), QStringLiteral("Label49")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle6"), Palette::Background);
    fill(background);
    background->lower();

    m_billMemo->setObjectName(QStringLiteral("Memo3"));
    m_billMemo->setReadOnly(true);
    m_billMemo->setFont(Fonts::fixedBold(13));
    QTextOption centred = m_billMemo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    m_billMemo->document()->setDefaultTextOption(centred);
    QPalette palette = m_billMemo->palette();
    palette.setColor(QPalette::Base, Palette::Background);
    palette.setColor(QPalette::Text, Palette::Caption);
    m_billMemo->setPalette(palette);
    enableTouchPanning(m_billMemo);
    place(m_billMemo, QRectF(0, 0, 407.2, 248.5));

    m_amountBand->setBackground(Palette::TotalBand);
    m_amountLabel->setObjectName(QStringLiteral("Label2"));
    m_amountLabel->setFont(Fonts::plain(26, true));
    m_amountLabel->setAlignment(Qt::AlignCenter);
    setTextColour(m_amountLabel, Qt::black);
    m_amountBand->dockTop(m_amountLabel, 35);
    place(m_amountBand, QRectF(0, 255, 405, 138));

    place(m_paymentMode1Key, QRectF(0, 492.8, 135.7, 80.7));
    place(m_paymentMode3Key, QRectF(132.6, 492.8, 129.4, 80.7));
    place(m_paymentMode2Key, QRectF(261, 492.8, 144.2, 80.7));
    place(m_paymentMode4Key, QRectF(-8.4, 572.4, 413.5, 80.7));
}

void PaymentView::setMemoFontSize(int pixelSize)
{
    m_billMemo->setFont(Fonts::fixedBold(pixelSize));
}

void PaymentView::showBill(const QString& ticket, const QString& amountDue)
{
    m_billMemo->setPlainText(ticket);
    m_amountLabel->setText(amountDue);
}
