#include "MessageView.h"

#include "widgets/ColourShape.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"
#include "widgets/RoundedButton.h"

#include <QLabel>
#include <QLineEdit>

namespace {

RedKey* sendKey(const QString& name, const QString& captionName, const QString& caption)
{
    auto* key = new RedKey(name, captionName, caption);
    key->caption()->setFont(Fonts::plain(10, true));
    return key;
}

} // namespace

MessageView::MessageView(QWidget* parent)
    : DesignView(QStringLiteral("messages"), QSizeF(403, 651), parent),
      m_cancelButton(new RoundedButton(QStringLiteral("CornerButton4"), QStringLiteral("Annuler"))),
      m_messageEdit(new QLineEdit),
      m_toRegisterScreenKey(sendKey(QStringLiteral("cornerbutton2"), QStringLiteral("Label54"),
                                    QStringLiteral("Envoi vers écran de caisse"))),
      m_toKitchenPrintersKey(sendKey(QStringLiteral("cornerbutton3"), QStringLiteral("Label55"),
                                     QStringLiteral("Envoi vers imprimantes préparation")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle8"), Palette::Background);
    fill(background);
    background->lower();
    place(m_cancelButton, QRectF(232.1, 8.7, 164.4, 36));

    m_messageEdit->setObjectName(QStringLiteral("Edit4"));
    m_messageEdit->setPlaceholderText(QStringLiteral("Entrez le texte ici"));
    // the box has no label: its prompt says what it is for
    m_messageEdit->setAccessibleName(m_messageEdit->placeholderText());
    m_messageEdit->setFont(Fonts::plain(14));
    // white text needs a dark box to be read
    QPalette palette = m_messageEdit->palette();
    palette.setColor(QPalette::Base, Palette::Background.lighter(150));
    palette.setColor(QPalette::Text, Palette::Caption);
    palette.setColor(QPalette::PlaceholderText, Palette::Footer);
    m_messageEdit->setPalette(palette);
    // the return key closes the keyboard so the send keys are in sight
    connect(m_messageEdit, &QLineEdit::returnPressed, m_messageEdit, &QWidget::clearFocus);
    place(m_messageEdit, QRectF(3.8, 130.4, 384.9, 32));

    place(m_toRegisterScreenKey, QRectF(11.6, 206.7, 166.7, 84));
    place(m_toKitchenPrintersKey, QRectF(219.4, 206.7, 161.4, 84));
}

void MessageView::open()
{
    const qreal w = window()->width();
    const qreal h = window()->height();
    const QRect edit = boxOf(m_messageEdit);
    pin(m_messageEdit, QRect(5, edit.y(), qRound(w - 10), edit.height()));
    pin(m_toRegisterScreenKey, QRectF(w * 5 / 100, h * 40 / 100, w * 40 / 100, h * 10 / 100).toRect());
    pin(m_toKitchenPrintersKey, QRectF(w * 55 / 100, h * 40 / 100, w * 40 / 100, h * 10 / 100).toRect());
    pin(m_cancelButton, QRectF(w * 60 / 100, 0, w * 40 / 100, boxOf(m_cancelButton).height()).toRect());
    m_messageEdit->clear();
    m_messageEdit->setFocus();
}

QString MessageView::text() const
{
    return m_messageEdit->text();
}

void MessageView::clearText()
{
    m_messageEdit->clear();
}
