#include "FormatError.h"

namespace {

// a 20000-character field would not fit in a message box
constexpr qsizetype ShownLength = 40;

QString message(const QString& field)
{
    const QString shown = field.size() > ShownLength ? field.left(ShownLength) + QStringLiteral("…") : field;
    return QStringLiteral("Valeur non numérique reçue de la caisse : « ") + shown + QStringLiteral(" »");
}

} // namespace

FormatError::FormatError(const QString& field)
    : std::runtime_error(message(field).toStdString()), m_text(message(field))
{
}
