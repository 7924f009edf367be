#include "LineActionPanel.h"

#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QColor SlateGrey = QColor::fromRgba(0xFF708090);

QLabel* label(const QString& name, const QString& text, const QFont& font, const QColor& colour)
{
    QLabel* l = namedLabel(name, text, font, colour);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(const QString& name, const QString& caption, int size)
{
    return namedButton(name, caption, Fonts::plain(size, true));
}

} // namespace

LineActionPanel::LineActionPanel(QWidget* parent)
    : DesignView(QStringLiteral("panel_annul"), QSizeF(403, 651), parent),
      m_promptLabel(label(QStringLiteral("Label16"), QStringLiteral("Que désirez vous faire avec cet article?"),
                          Fonts::plain(18, true), Palette::Heading)),
      m_lineLabel(label(QStringLiteral("Label17"), QString(), Fonts::fixedBold(16), Palette::Notice)),
      m_cancelButton(button(QStringLiteral("Button33"), QStringLiteral("Annuler"), 14)),
      m_removeOneButton(button(QStringLiteral("Button34"), QStringLiteral("Enlever 1"), 16)),
      m_offerLineButton(button(QStringLiteral("Button35"), QStringLiteral("Offrir cette ligne"), 16)),
      m_previousLineButton(button(QStringLiteral("Button36"), QStringLiteral("Précédent"), 14)),
      m_nextLineButton(button(QStringLiteral("Button37"), QStringLiteral("Suivant"), 14))
{
    setBackground(Palette::Background);
    dockTop(m_cancelButton, 41);
    place(m_promptLabel, QRectF(10, 70, 383, 60));
    // the line as the ticket shows it: in capitals
    QFont lineFont = m_lineLabel->font();
    lineFont.setCapitalization(QFont::AllUppercase);
    m_lineLabel->setFont(lineFont);
    place(m_lineLabel, QRectF(10, 160, 273, 140));
    for (QPushButton* step : {m_previousLineButton, m_nextLineButton}) {
        QPalette palette = step->palette();
        palette.setColor(QPalette::Button, SlateGrey);
        palette.setColor(QPalette::ButtonText, Palette::Caption);
        step->setPalette(palette);
    }
    place(m_previousLineButton, QRectF(293, 160, 100, 60));
    place(m_nextLineButton, QRectF(293, 240, 100, 60));
    place(m_removeOneButton, QRectF(10, 520, 185, 90));
    place(m_offerLineButton, QRectF(208, 520, 185, 90));
}
