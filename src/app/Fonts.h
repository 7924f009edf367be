#pragma once

#include <QFont>

// The faces of the terminal. Sizes are in design units (pixels at the design size).
namespace Fonts {

// headings of the start view
QFont handwriting(int pixelSize, bool bold, bool italic);
// the ticket memos: the register lays its ticket out in columns, so the face must be fixed-pitch
QFont fixedBold(int pixelSize);
QFont plain(int pixelSize, bool bold = false, bool italic = false);

} // namespace Fonts
