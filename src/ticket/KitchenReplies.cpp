#include "KitchenReplies.h"

#include "link/ReplyText.h"
#include "session/Limits.h"

namespace KitchenReplies {

std::optional<QList<int>> coursesToChoose(const QString& reply)
{
    const QStringList fields = Split(reply, QStringLiteral("$"));
    if (fields.size() <= 2)
        return std::nullopt;
    QList<int> courses;
    for (int course = 1; course <= Limits::Courses; ++course) {
        if (fields.contains(QString::number(course)))
            courses.append(course);
    }
    return courses;
}

bool isNoPrinter(const QString& reply)
{
    return trimReply(reply) == QLatin1String("nook");
}

QStringList nextCourseEntries(const QString& reply, const KitchenLabel& kitchenLabel)
{
    QStringList rows;
    for (const QString& entry : Split(reply, QStringLiteral("~"))) {
        const QStringList fields = Split(entry, QStringLiteral(";"));
        bool isNumber = false;
        const int article = field(fields, 1).toInt(&isNumber);
        const std::optional<QString> label = isNumber ? kitchenLabel(article) : std::nullopt;
        if (!label) {
            rows.append(trimReply(StrReplace(QStringLiteral(";"), QStringLiteral(" "), entry)));
            continue;
        }
        QString row = field(fields, 0) + QLatin1Char(' ') + *label;
        if (!field(fields, 2).isEmpty())
            row += QStringLiteral(" (") + field(fields, 2) + QLatin1Char(')');
        rows.append(row);
    }
    return rows;
}

} // namespace KitchenReplies
