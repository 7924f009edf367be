#include "Fonts.h"

#include <QStringList>

#include <map>
#include <tuple>

namespace Fonts {

namespace {

enum class Face
{
    Handwriting,
    Title,
    FixedBold,
    Narrow,
    Plain,
};

QFont make(Face face, int pixelSize, bool bold, bool italic)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    switch (face) {
    case Face::Handwriting:
        font.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        break;
    case Face::Title:
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        break;
    case Face::FixedBold:
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        break;
    case Face::Narrow:
        font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        break;
    case Face::Plain:
        break;
    }
    return font;
}

// copies share the one made here, and with it what the font engine learns about it
QFont shared(Face face, int pixelSize, bool bold, bool italic)
{
    static std::map<std::tuple<Face, int, bool, bool>, QFont> made;
    const auto [at, isNew] = made.try_emplace({face, pixelSize, bold, italic});
    if (isNew)
        at->second = make(face, pixelSize, bold, italic);
    return at->second;
}

} // namespace

QFont handwriting(int pixelSize, bool bold, bool italic)
{
    return shared(Face::Handwriting, pixelSize, bold, italic);
}

QFont title(int pixelSize)
{
    return shared(Face::Title, pixelSize, true, false);
}

QFont fixedBold(int pixelSize)
{
    return shared(Face::FixedBold, pixelSize, true, false);
}

QFont narrow(int pixelSize)
{
    return shared(Face::Narrow, pixelSize, false, false);
}

QFont plain(int pixelSize, bool bold, bool italic)
{
    return shared(Face::Plain, pixelSize, bold, italic);
}

} // namespace Fonts
