#include "WaiterView.h"

#include "CodePanel.h"
#include "session/Limits.h"
#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QLabel>

namespace {

const QSizeF DesignSize(386, 578);

QLabel* title(const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setFont(Fonts::title(36));
    label->setAlignment(Qt::AlignCenter);
    setTextColour(label, Palette::Caption);
    return label;
}

} // namespace

WaiterView::WaiterView(QWidget* parent)
    : DesignView(QStringLiteral("serveur"), DesignSize, parent),
      m_titleLabel(title(QStringLiteral("Label1"), QStringLiteral("Identifiez vous"))),
      m_codePanel(new CodePanel(DesignSize))
{
    setStretched(true);
    auto* background = new ColourShape(QStringLiteral("Rectangle3"), Palette::Background);
    fill(background);
    background->lower();
    dockTop(m_titleLabel, 105);

    const std::array<QRectF, Limits::Waiters> boxes{
        QRectF(35.9, 129, 122.1, 71.9),    QRectF(216.2, 129, 122.5, 71.8),   QRectF(35, 237.6, 122.5, 71.8),
        QRectF(216.2, 237.6, 122.5, 71.8), QRectF(35, 346.2, 122.5, 71.8),    QRectF(216.2, 346.2, 122.5, 71.8),
        QRectF(35, 454.8, 122.5, 71.8),    QRectF(216.2, 454.8, 122.5, 71.8),
    };
    for (int i = 0; i < Limits::Waiters; ++i) {
        const QString number = QString::number(i + 1);
        // the catalogue puts the waiters' names on the keys
        auto* key = new RedKey(QStringLiteral("s") + number, QStringLiteral("Label%1").arg(23 + i),
                               QStringLiteral("Serveur ") + number);
        key->caption()->setFont(Fonts::plain(16, true));
        place(key, boxes.at(i));
        m_keys.at(i) = key;
    }

    fill(m_codePanel);
    // shown over the waiter keys only when the register asks for a code
    m_codePanel->hide();
}

void WaiterView::openCodePanel()
{
    m_codePanel->open();
}

void WaiterView::closeCodePanel()
{
    m_codePanel->hide();
}

QString WaiterView::typedCode() const
{
    return m_codePanel->typedCode();
}

void WaiterView::clearCode()
{
    m_codePanel->clearCode();
}
