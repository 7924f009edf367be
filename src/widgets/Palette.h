#pragma once

#include <QColor>

// The terminal's colours.
namespace Palette {

inline const QColor Background = QColor::fromRgba(0xFF252525);
inline const QColor ActionKey = QColor::fromRgba(0xFFFE2121);
inline const QColor ReturnKey = QColor::fromRgba(0xFFDC143C);
inline const QColor TotalBand = QColor::fromRgba(0xFFC4C2C2);
inline const QColor Caption = QColor::fromRgba(0xFFFFFFFF);
inline const QColor Heading = QColor::fromRgba(0xFFDCDCDC);
inline const QColor Footer = QColor::fromRgba(0xFFC0C0C0);
inline const QColor Notice = QColor::fromRgba(0xFFF0FFFF);
inline const QColor CodeText = QColor::fromRgba(0xFF808080);
inline const QColor Frame = QColor::fromRgba(0xFFA9A9A9);

} // namespace Palette
