#include "NoticeView.h"

#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"

#include <QLabel>

NoticeView::NoticeView(QWidget* parent)
    : DesignView(QStringLiteral("Rectangle12"), QSizeF(366, 603), parent), m_noticeLabel(new QLabel)
{
    setBackground(Palette::Background);
    m_noticeLabel->setObjectName(QStringLiteral("Labelmess"));
    m_noticeLabel->setAlignment(Qt::AlignCenter);
    m_noticeLabel->setWordWrap(true);
    m_noticeLabel->setFont(Fonts::plain(14));
    setTextColour(m_noticeLabel, Palette::Notice);
    fill(m_noticeLabel);
}

void NoticeView::setText(const QString& text)
{
    m_noticeLabel->setText(text);
}
