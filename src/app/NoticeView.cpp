#include "NoticeView.h"

#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"

#include <QLabel>

NoticeView::NoticeView(QWidget* parent)
    : DesignView(QStringLiteral("Rectangle12"), QSizeF(366, 603), parent), m_labelmess(new QLabel)
{
    setBackground(Palette::Background);
    m_labelmess->setObjectName(QStringLiteral("Labelmess"));
    m_labelmess->setAlignment(Qt::AlignCenter);
    m_labelmess->setWordWrap(true);
    m_labelmess->setFont(Fonts::plain(14));
    setTextColour(m_labelmess, Palette::Notice);
    fill(m_labelmess);
}

void NoticeView::showText(const QString& text)
{
    m_labelmess->setText(text);
    raise();
    show();
}
