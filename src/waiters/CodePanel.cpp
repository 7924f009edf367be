#include "CodePanel.h"

#include "CodeEdit.h"
#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QLabel>

CodePanel::CodePanel(const QSizeF& designSize, QWidget* parent)
    : DesignView(QStringLiteral("Rectangle11"), designSize, parent),
      m_titleLabel(namedLabel(QStringLiteral("Label71"), QStringLiteral("Entrez votre code"), Fonts::title(36),
                              Palette::Caption)),
      m_codeEdit(new CodeEdit),
      m_validateKey(new RedKey(QStringLiteral("Rectangle13"), QStringLiteral("Valider"), QStringLiteral("Valider")))
{
    setBackground(Palette::Background);
    // a strip across the panel, placed as a scaled box so that its height follows the stretched view
    place(m_titleLabel, QRectF(0, 0, designSize.width(), 49));

    m_codeEdit->setObjectName(QStringLiteral("Edit3"));
    m_codeEdit->setAccessibleName(m_titleLabel->text());
    m_codeEdit->setFont(Fonts::plain(20));
    QPalette palette = m_codeEdit->palette();
    palette.setColor(QPalette::Text, Palette::CodeText);
    m_codeEdit->setPalette(palette);
    place(m_codeEdit, QRectF(96, 128, 185, 32));
    m_validateKey->caption()->setFont(Fonts::plain(20, true));
    place(m_validateKey, QRectF(96, 248, 201, 49));
}

void CodePanel::open()
{
    raise();
    show();
    m_codeEdit->clear();
    m_codeEdit->setFocus();
}

QString CodePanel::typedCode() const
{
    return m_codeEdit->text();
}

void CodePanel::clearCode()
{
    m_codeEdit->clear();
}
