#include "CodePanel.h"

#include "CodeEdit.h"
#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QLabel>

CodePanel::CodePanel(const QSizeF& designSize, QWidget* parent)
    : DesignView(QStringLiteral("Rectangle11"), designSize, parent),
      m_label71(namedLabel(QStringLiteral("Label71"), QStringLiteral("Entrez votre code"), Fonts::title(36),
                           Palette::Caption)),
      m_edit3(new CodeEdit),
      m_rectangle13(new RedKey(QStringLiteral("Rectangle13"), QStringLiteral("Valider"), QStringLiteral("Valider")))
{
    setBackground(Palette::Background);
    // a strip across the panel, placed as a scaled box so that its height follows the stretched view
    place(m_label71, QRectF(0, 0, designSize.width(), 49));

    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setFont(Fonts::plain(20));
    QPalette palette = m_edit3->palette();
    palette.setColor(QPalette::Text, Palette::CodeText);
    m_edit3->setPalette(palette);
    place(m_edit3, QRectF(96, 128, 185, 32));
    m_rectangle13->caption()->setFont(Fonts::plain(20, true));
    place(m_rectangle13, QRectF(96, 248, 201, 49));
}

void CodePanel::open()
{
    raise();
    show();
    m_edit3->clear();
    m_edit3->setFocus();
}

QString CodePanel::typedCode() const
{
    return m_edit3->text();
}

void CodePanel::clearCode()
{
    m_edit3->clear();
}
