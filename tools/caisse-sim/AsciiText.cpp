#include "AsciiText.h"

#include <QList>

namespace sim {

namespace {

// Characters the decomposition does not bring down to ASCII on its own.
QString spelledOut(char32_t c)
{
    switch (c) {
    case U'\u0152':
        return QStringLiteral("OE");
    case U'\u0153':
        return QStringLiteral("oe");
    case U'\u00C6':
        return QStringLiteral("AE");
    case U'\u00E6':
        return QStringLiteral("ae");
    case U'\u00DF':
        return QStringLiteral("ss");
    case U'\u00AB':
    case U'\u00BB':
    case U'\u201C':
    case U'\u201D':
        return QStringLiteral("\"");
    case U'\u2018':
    case U'\u2019':
        return QStringLiteral("'");
    case U'\u2013':
    case U'\u2014':
        return QStringLiteral("-");
    case U'\u20AC':
        return QStringLiteral("EUR");
    case U'\u00B0':
        return QStringLiteral("o");
    default:
        return QStringLiteral("?");
    }
}

} // namespace

QString asciiText(const QString& text)
{
    // Compatibility decomposition splits "é" into "e" and a combining accent, and turns the no-break
    // spaces of French typography into plain spaces.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString ascii;
    ascii.reserve(decomposed.size());
    for (const char32_t c : decomposed.toUcs4()) {
        if (c <= 0x7F)
            ascii.append(QChar(static_cast<char16_t>(c)));
        else if (QChar::category(c) != QChar::Mark_NonSpacing)
            ascii.append(spelledOut(c));
    }
    return ascii;
}

} // namespace sim
