#include "WaiterView.h"

#include "CodeEdit.h"
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
      m_label1(title(QStringLiteral("Label1"), QStringLiteral("Identifiez vous"))),
      m_rectangle11(new DesignView(QStringLiteral("Rectangle11"), DesignSize)),
      m_label71(title(QStringLiteral("Label71"), QStringLiteral("Entrez votre code"))), m_edit3(new CodeEdit),
      m_rectangle13(new RedKey(QStringLiteral("Rectangle13"), QStringLiteral("Valider"), QStringLiteral("Valider")))
{
    setStretched(true);
    auto* background = new ColourShape(QStringLiteral("Rectangle3"), Palette::Background);
    fill(background);
    background->lower();
    dockTop(m_label1, 105);

    const std::array<QRectF, WaiterCount> boxes{
        QRectF(35.9, 129, 122.1, 71.9),    QRectF(216.2, 129, 122.5, 71.8),   QRectF(35, 237.6, 122.5, 71.8),
        QRectF(216.2, 237.6, 122.5, 71.8), QRectF(35, 346.2, 122.5, 71.8),    QRectF(216.2, 346.2, 122.5, 71.8),
        QRectF(35, 454.8, 122.5, 71.8),    QRectF(216.2, 454.8, 122.5, 71.8),
    };
    for (int i = 0; i < WaiterCount; ++i) {
        const QString number = QString::number(i + 1);
        // the catalogue puts the waiters' names on the keys
        auto* key = new RedKey(QStringLiteral("s") + number, QStringLiteral("Label%1").arg(23 + i),
                               QStringLiteral("Serveur ") + number);
        key->caption()->setFont(Fonts::plain(16, true));
        place(key, boxes.at(i));
        m_keys.at(i) = key;
    }

    m_rectangle11->setBackground(Palette::Background);
    // a strip across the panel, placed as a scaled box so that its height follows the stretched view
    m_rectangle11->place(m_label71, QRectF(0, 0, DesignSize.width(), 49));
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setFont(Fonts::plain(20));
    QPalette palette = m_edit3->palette();
    palette.setColor(QPalette::Text, Palette::CodeText);
    m_edit3->setPalette(palette);
    m_rectangle11->place(m_edit3, QRectF(96, 128, 185, 32));
    m_rectangle13->caption()->setFont(Fonts::plain(20, true));
    m_rectangle11->place(m_rectangle13, QRectF(96, 248, 201, 49));
    fill(m_rectangle11);
    // shown over the waiter keys only when the register asks for a code
    m_rectangle11->hide();
}

void WaiterView::openCodePanel()
{
    m_rectangle11->raise();
    m_rectangle11->show();
    m_edit3->clear();
    m_edit3->setFocus();
}

void WaiterView::closeCodePanel()
{
    m_rectangle11->hide();
}

QString WaiterView::typedCode() const
{
    return m_edit3->text();
}

void WaiterView::clearCode()
{
    m_edit3->clear();
}
