#include "Fonts.h"

#include <QStringList>

namespace Fonts {

namespace {

QFont withFamilies(const QStringList& families, int pixelSize, bool bold, bool italic)
{
    QFont font = plain(pixelSize, bold, italic);
    font.setFamilies(families);
    return font;
}

} // namespace

QFont handwriting(int pixelSize, bool bold, bool italic)
{
    return withFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")}, pixelSize, bold, italic);
}

QFont title(int pixelSize)
{
    return withFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pixelSize, true, false);
}

QFont fixedBold(int pixelSize)
{
    QFont font =
        withFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}, pixelSize, true, false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont narrow(int pixelSize)
{
    return withFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")}, pixelSize,
                        false, false);
}

QFont plain(int pixelSize, bool bold, bool italic)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace Fonts
