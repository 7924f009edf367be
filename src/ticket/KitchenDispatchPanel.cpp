#include "KitchenDispatchPanel.h"

#include "session/Limits.h"
#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QLabel>

namespace {

RedKey* sendKey(const QString& name, const QString& caption)
{
    auto* key = new RedKey(name, QStringLiteral("Label_") + name, caption);
    key->caption()->setFont(Fonts::plain(18, true));
    return key;
}

QRectF keyBox(qreal top)
{
    return {27.3, top, 335.5, 53.9};
}

} // namespace

KitchenDispatchPanel::KitchenDispatchPanel(QWidget* parent)
    : DesignView(QStringLiteral("panelenvoicuis"), QSizeF(386, 578), parent),
      m_titleLabel(new QLabel(QStringLiteral("Envoi ver les imprimantes de préparation"))),
      m_sendAllKey(sendKey(QStringLiteral("button39"), QStringLiteral("Tout envoyer en préparation")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle14"), Palette::Background);
    fill(background);
    background->lower();

    m_titleLabel->setObjectName(QStringLiteral("Label15"));
    m_titleLabel->setFont(Fonts::plain(16));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    setTextColour(m_titleLabel, Palette::Caption);
    dockTop(m_titleLabel, 25);

    place(m_sendAllKey, keyBox(31));
    const std::array<QString, Limits::Courses> captions{
        QStringLiteral("Envoyer les boissons"),        QStringLiteral("Envoyer les premières entrées"),
        QStringLiteral("Envoyer les secodes entrées"), QStringLiteral("Envoyer les premiers plats"),
        QStringLiteral("Envoyer les seconds plats"),   QStringLiteral("Envoyer les fromages"),
        QStringLiteral("Envoyer les desserts")};
    const std::array<qreal, Limits::Courses> tops{104.4, 168.6, 232.8, 297, 361.2, 425.5, 489.7};
    for (int course = 1; course <= Limits::Courses; ++course) {
        RedKey* key = sendKey(QStringLiteral("btn_env%1").arg(course), captions.at(course - 1));
        place(key, keyBox(tops.at(course - 1)));
        m_courseKeys.at(course - 1) = key;
    }
}

void KitchenDispatchPanel::offerCourses(const QList<int>& courses)
{
    for (int course = 1; course <= Limits::Courses; ++course)
        courseKey(course)->setVisible(courses.contains(course));
}
