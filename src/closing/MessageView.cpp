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
      m_cornerButton4(new RoundedButton(QStringLiteral("CornerButton4"), QStringLiteral("Annuler"))),
      m_edit4(new QLineEdit), m_cornerbutton2(sendKey(QStringLiteral("cornerbutton2"), QStringLiteral("Label54"),
                                                      QStringLiteral("Envoi vers écran de caisse"))),
      m_cornerbutton3(sendKey(QStringLiteral("cornerbutton3"), QStringLiteral("Label55"),
                              QStringLiteral("Envoi vers imprimantes préparation")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle8"), Palette::Background);
    fill(background);
    background->lower();
    place(m_cornerButton4, QRectF(232.1, 8.7, 164.4, 36));

    m_edit4->setObjectName(QStringLiteral("Edit4"));
    m_edit4->setPlaceholderText(QStringLiteral("Entrez le texte ici"));
    m_edit4->setFont(Fonts::plain(14));
    // white text needs a dark box to be read
    QPalette palette = m_edit4->palette();
    palette.setColor(QPalette::Base, Palette::Background.lighter(150));
    palette.setColor(QPalette::Text, Palette::Caption);
    palette.setColor(QPalette::PlaceholderText, Palette::Footer);
    m_edit4->setPalette(palette);
    // the return key closes the keyboard so the send keys are in sight
    connect(m_edit4, &QLineEdit::returnPressed, m_edit4, &QWidget::clearFocus);
    place(m_edit4, QRectF(3.8, 130.4, 384.9, 32));

    place(m_cornerbutton2, QRectF(11.6, 206.7, 166.7, 84));
    place(m_cornerbutton3, QRectF(219.4, 206.7, 161.4, 84));
}

void MessageView::open()
{
    const qreal w = window()->width();
    const qreal h = window()->height();
    const QRect edit = boxOf(m_edit4);
    pin(m_edit4, QRect(5, edit.y(), qRound(w - 10), edit.height()));
    pin(m_cornerbutton2, QRectF(w * 5 / 100, h * 40 / 100, w * 40 / 100, h * 10 / 100).toRect());
    pin(m_cornerbutton3, QRectF(w * 55 / 100, h * 40 / 100, w * 40 / 100, h * 10 / 100).toRect());
    pin(m_cornerButton4, QRectF(w * 60 / 100, 0, w * 40 / 100, boxOf(m_cornerButton4).height()).toRect());
    m_edit4->clear();
    raise();
    show();
    m_edit4->setFocus();
}

QString MessageView::text() const
{
    return m_edit4->text();
}

void MessageView::clearText()
{
    m_edit4->clear();
}
