#include "EncaissementView.h"

#include "app/Fonts.h"
#include "app/Palette.h"

#include <QPlainTextEdit>

EncaissementView::EncaissementView(QWidget* parent)
    : DesignView(QStringLiteral("encaissement"), QSizeF(403, 651), parent), m_memo3(new QPlainTextEdit)
{
    setBackground(Palette::Background);
    m_memo3->setObjectName(QStringLiteral("Memo3"));
    m_memo3->setReadOnly(true);
    m_memo3->setFont(Fonts::fixedBold(13));
    place(m_memo3, QRectF(0, 0, 407.2, 248.5));
}
