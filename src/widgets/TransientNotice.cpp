#include "TransientNotice.h"

#include "ColouredLabel.h"
#include "Fonts.h"
#include "Navigation.h"
#include "Palette.h"

#include <QCoreApplication>
#include <QThread>

TransientNotice::TransientNotice(QWidget* window) : QLabel(QStringLiteral("Impossible"), window)
{
    setObjectName(QStringLiteral("Textmess"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFont(Fonts::plain(16, true));
    setTextColour(this, Palette::Caption);
    hide();
}

void TransientNotice::showOver(Navigation& screens, QWidget* view, const QString& text, int rounds)
{
    QWidget* window = parentWidget();
    // a carriage return in a notice breaks its line
    setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // 91 units high whatever the window's size, as its text keeps its size
    const QRect area(view->mapTo(window, QPoint()), view->size());
    setGeometry(area.x(), area.y() + (area.height() - DesignHeight) / 2, area.width(), DesignHeight);
    screens.showNotice();
    repaint();
    for (int round = 0; round < rounds; ++round) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    screens.hideNotice();
}
