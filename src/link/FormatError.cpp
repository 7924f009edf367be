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

FormatError::FormatError(const QString& field) : FormatError(Text{message(field)}) {}

FormatError::FormatError(const Text& text) : std::runtime_error(text.text.toStdString()), m_text(text.text) {}

FormatError FormatError::incompleteReply()
{
    return FormatError(Text{QStringLiteral("Réponse incomplète reçue de la caisse")});
}
