#include "Fonts.h"

#include <QStringList>

namespace Fonts {

QFont handwriting(int pixelSize, bool bold, bool italic)
{
    QFont font = plain(pixelSize, bold, italic);
    font.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    return font;
}

QFont fixedBold(int pixelSize)
{
    QFont font = plain(pixelSize, true);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
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
