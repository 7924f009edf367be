#include "InitView.h"

#include "Fonts.h"
#include "Logo.h"
#include "Palette.h"
#include "RedKey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

const QString InitView::RestingStatus = QStringLiteral("Entrer l'adresse IP fournie par la caisse");

namespace {

QLabel* text(const QString& name, const QString& caption, const QFont& font, const QColor& colour,
             Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QPushButton* button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

// The framed background rectangle of the start view.
class Frame final : public QWidget
{
public:
    Frame() { setObjectName(QStringLiteral("Rectangle2")); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Palette::Background);
        painter.setPen(Palette::Frame);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

InitView::InitView(QWidget* parent) : DesignView(QStringLiteral("init"), QSizeF(403, 651), parent)
{
    setBackground(Palette::Background);
    auto* frame = new Frame;
    fill(frame);

    place(new Logo, QRectF(0, 8.6, 403, 109));
    place(text(QStringLiteral("Text2"), QStringLiteral("Logiciel de prise de Commande à Distance"),
               Fonts::handwriting(20, true, true), Palette::Heading),
          QRectF(0, 104.8, 403.5, 60.5));
    place(text(QStringLiteral("Text3"), QStringLiteral("En Salle, terrase ou en second point d'encaissement "),
               Fonts::handwriting(14, false, true), Palette::Heading),
          QRectF(0, 173.1, 417.8, 50.4));

    m_text1 = text(QStringLiteral("text1"), RestingStatus, Fonts::fixedBold(16), Palette::Caption);
    m_text1->setWordWrap(false);
    place(m_text1, QRectF(0, 227.3, 403, 33.6));

    m_edit1 = new QLineEdit;
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setPlaceholderText(QStringLiteral("Adresse IP"));
    m_edit1->setClearButtonEnabled(true);
    m_edit1->setAlignment(Qt::AlignCenter);
    m_edit1->setFont(Fonts::plain(26));
    m_edit1->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    place(m_edit1, QRectF(68, 269, 245, 32));

    m_button4 =
        new RedKey(QStringLiteral("button4"), QStringLiteral("Label22"), QStringLiteral("Utilisation en local"));
    m_button4->caption()->setFont(Fonts::plain(20, true));
    m_button4->setEnabled(false);
    place(m_button4, QRectF(32, 353, 341, 101));

    place(text(QStringLiteral("Text4"), QStringLiteral("Tous nos logiciels disposent d'un certificat de conformité"),
               Fonts::handwriting(14, true, true), Palette::Heading),
          QRectF(-9, 481, 404, 60));
    place(text(QStringLiteral("Text5"),
               QStringLiteral("Application gratuite pour les utilisateurs Quillobrand Premium"),
               Fonts::handwriting(14, true, true), Palette::Heading),
          QRectF(-1, 545, 404, 60));
    place(text(QStringLiteral("Label74"), QStringLiteral("Version 08/2025"), Fonts::plain(11, false, true),
               Palette::Footer),
          QRectF(1, 597, 403, 23));

    m_button1 = button(QStringLiteral("Button1"), QStringLiteral("Configuration"));
    place(m_button1, QRectF(0, 604.5, 126.1, 46.5));
    m_button28 = button(QStringLiteral("Button28"), QStringLiteral("Quitter"));
    place(m_button28, QRectF(277.9, 602.6, 125.1, 44.1));

    // the footer strip runs under the two bottom buttons: it must not take their taps
    QLabel* footer = text(QStringLiteral("Label18"), QStringLiteral("Commande, la prise de commande en salle"),
                          Fonts::plain(11, false, true), Palette::Footer);
    footer->setAttribute(Qt::WA_TransparentForMouseEvents);
    dockBottom(footer, 23);
    footer->stackUnder(m_button1);
}
