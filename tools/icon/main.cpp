// commande-icon FILE [SIZE]: draws the logo's order pad into a square PNG, the icon of the installed application.
#include "widgets/Logo.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    const int size = arguments.size() > 2 ? qMax(16, arguments.at(2).toInt()) : 256;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 10.0;
    Logo::drawPad(painter, QRectF(2 * unit, 0.5 * unit, 6 * unit, 9 * unit), unit);
    painter.end();
    return image.save(arguments.at(1)) ? 0 : 1;
}
