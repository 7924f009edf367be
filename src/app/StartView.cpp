#include "StartView.h"

#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Logo.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>

const QString StartView::RestingStatus = QStringLiteral("Entrer l'adresse IP fournie par la caisse");
const QString StartView::AddressPrompt = QStringLiteral("Adresse IP");

namespace {

QLabel* text(const QString& name, const QString& caption, const QFont& font, const QColor& colour,
             Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    setTextColour(label, colour);
    return label;
}

QPushButton* button(const QString& name, const QString& caption);

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

// Colours of the address box: a dark field a little lighter than the view, framed like the view.
const QColor FieldBase = QColor::fromRgba(0xFF333333);
const QColor FieldFrame = Palette::Frame;
const QColor FieldFocusFrame = QColor::fromRgba(0xFFDCDCDC);
const QColor PromptText = QColor::fromRgba(0xFF8C8C8C);

// Qt's clear button icon is drawn for a light field: a light one for our dark field.
QIcon lightClearIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Frame);
    painter.drawEllipse(QRectF(8, 8, 48, 48));
    painter.setPen(QPen(Palette::Background, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(23, 23), QPointF(41, 41));
    painter.drawLine(QPointF(41, 23), QPointF(23, 41));
    return QIcon(pixmap);
}

// The application's style with our clear button icon. The style's own icon is loaded from a file, and loading a
// picture wakes every image format plugin, only for the icon to be replaced.
class ClearIconStyle final : public QProxyStyle
{
public:
    ClearIconStyle() : QProxyStyle(QApplication::style()->name()) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        return icon == SP_LineEditClearButton ? lightClearIcon() : QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

namespace Look {

void darkButton(QPushButton* button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor::fromRgba(0xFF3C3C3C));
    palette.setColor(QPalette::ButtonText, Palette::Caption);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Palette::Footer);
    button->setPalette(palette);
}

} // namespace Look

PromptEdit::PromptEdit(const QString& prompt, QWidget* parent) : QLineEdit(parent), m_prompt(prompt)
{
    setFrame(false);
    setAttribute(Qt::WA_InputMethodEnabled);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, Palette::Caption); // the caret is drawn in the text colour: light
    palette.setColor(QPalette::PlaceholderText, PromptText);
    setPalette(palette);
    auto* style = new ClearIconStyle;
    style->setParent(this);
    setStyle(style);
    setClearButtonEnabled(true);
    // the clear button is a key of its own for a screen reader, named by what it does
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setAccessibleName(QStringLiteral("Effacer"));
}

bool PromptEdit::promptShown() const
{
    return text().isEmpty() && !m_composing && !m_prompt.isEmpty();
}

void PromptEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // QLineEdit lets an on-screen keyboard's text into a read-only box
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    m_composing = !event->preeditString().isEmpty();
    QLineEdit::inputMethodEvent(event);
}

void PromptEdit::paintEvent(QPaintEvent* event)
{
    {
        // the field and its frame first, then the prompt, so that Qt's text and caret come on top
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = qMin<qreal>(4, height() / 6.0);
        painter.setPen(QPen(hasFocus() ? FieldFocusFrame : FieldFrame, 1));
        painter.setBrush(isEnabled() ? FieldBase : FieldBase.darker(120));
        painter.drawRoundedRect(box, radius, radius);
        if (promptShown()) {
            painter.setFont(font());
            painter.setPen(palette().color(QPalette::PlaceholderText));
            const QRect area = rect().marginsRemoved(textMargins());
            painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine,
                             fontMetrics().elidedText(m_prompt, Qt::ElideRight, area.width()));
        }
    }
    QLineEdit::paintEvent(event);
}

StartView::StartView(QWidget* parent) : DesignView(QStringLiteral("init"), QSizeF(403, 651), parent)
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

    m_statusLabel = text(QStringLiteral("text1"), RestingStatus, Fonts::fixedBold(16), Palette::Caption);
    m_statusLabel->setWordWrap(false);
    place(m_statusLabel, QRectF(0, 227.3, 403, 33.6));

    m_addressEdit = new PromptEdit(AddressPrompt);
    m_addressEdit->setObjectName(QStringLiteral("Edit1"));
    // the status line above it says what the box is for until a start writes over it
    m_addressEdit->setAccessibleName(RestingStatus);
    m_addressEdit->setAlignment(Qt::AlignCenter);
    m_addressEdit->setFont(Fonts::plain(26));
    m_addressEdit->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    place(m_addressEdit, QRectF(68, 269, 245, 32));

    m_startButton =
        new RedKey(QStringLiteral("button4"), QStringLiteral("Label22"), QStringLiteral("Utilisation en local"));
    m_startButton->caption()->setFont(Fonts::plain(20, true));
    m_startButton->setEnabled(false);
    place(m_startButton, QRectF(32, 353, 341, 101));

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

    m_configButton = button(QStringLiteral("Button1"), QStringLiteral("Configuration"));
    place(m_configButton, QRectF(0, 604.5, 126.1, 46.5));
    m_quitButton = button(QStringLiteral("Button28"), QStringLiteral("Quitter"));
    place(m_quitButton, QRectF(277.9, 602.6, 125.1, 44.1));

    // the footer strip runs under the two bottom buttons: it must not take their taps, and its text is short
    // enough to be read between them
    QLabel* footer = text(QStringLiteral("Label18"), QStringLiteral("Commande à distance"),
                          Fonts::plain(11, false, true), Palette::Footer);
    footer->setAttribute(Qt::WA_TransparentForMouseEvents);
    dockBottom(footer, 23);
    footer->stackUnder(m_configButton);
}

namespace {

QPushButton* button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setFont(Fonts::plain(14));
    Look::darkButton(b);
    return b;
}

} // namespace

QString StartView::address() const
{
    return m_addressEdit->text();
}

void StartView::setAddress(const QString& address)
{
    m_addressEdit->setText(address);
}

void StartView::clearAddress()
{
    m_addressEdit->clear();
}

void StartView::lockAddress(bool locked)
{
    m_addressEdit->setReadOnly(locked);
}

void StartView::forgetUnsetAddress()
{
    if (m_addressEdit->text() == QLatin1String("0"))
        m_addressEdit->clear();
}

void StartView::showStatus(const QString& text)
{
    m_statusLabel->setText(text);
}

void StartView::clearStatus()
{
    m_statusLabel->clear();
}

void StartView::enableStart()
{
    m_startButton->setEnabled(true);
}
