#include "CoursePanel.h"

#include "session/Limits.h"
#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QLabel>

CoursePanel::CoursePanel(QWidget* parent)
    : DesignView(QStringLiteral("choixrang"), QSizeF(320, 510), parent),
      m_titleLabel(new QLabel(QStringLiteral("A servir en tant que")))
{
    auto* background = new ColourShape(QStringLiteral("Rectangle10"), Palette::Background);
    fill(background);
    background->lower();

    m_titleLabel->setObjectName(QStringLiteral("Label14"));
    m_titleLabel->setFont(Fonts::plain(16, true));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    setTextColour(m_titleLabel, Palette::Caption);
    dockTop(m_titleLabel, 25);

    const std::array<QString, Limits::Courses> captions{
        QStringLiteral("Boissons"),     QStringLiteral("première entrée"), QStringLiteral("seconde entrée"),
        QStringLiteral("premier plat"), QStringLiteral("second plat"),     QStringLiteral("fromage"),
        QStringLiteral("dessert")};
    const std::array<qreal, Limits::Courses> tops{51.9, 108.3, 164.6, 220.9, 277.3, 333.6, 389.9};
    for (int course = 1; course <= Limits::Courses; ++course) {
        const QString name = QStringLiteral("btnr%1").arg(course);
        auto* key = new RedKey(name, QStringLiteral("Label_") + name, captions.at(course - 1));
        key->caption()->setFont(Fonts::plain(18, true));
        place(key, QRectF(22.7, tops.at(course - 1), 278.2, 47.5));
        m_courseKeys.at(course - 1) = key;
    }
}

void CoursePanel::offerCourses(const QList<int>& courses)
{
    for (int course = 1; course <= Limits::Courses; ++course)
        courseKey(course)->setVisible(courses.contains(course));
}
