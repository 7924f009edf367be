#pragma once

#include <QFont>

// The faces of the terminal. Sizes are in design units (pixels at the design size). Each face, size and style is
// made once and shared by every control that shows it.
namespace Fonts {

// headings of the start view: a handwriting face
QFont handwriting(int pixelSize, bool bold, bool italic);
// the big titles ("Identifiez vous", "Entrez votre code", "Réglage des paramètres")
QFont title(int pixelSize);
// the ticket memos and the status line: the register lays its ticket out in columns, so the face is fixed-pitch
QFont fixedBold(int pixelSize);
// the captions of the product keyboard tabs
QFont narrow(int pixelSize);
// everything else
QFont plain(int pixelSize, bool bold = false, bool italic = false);

} // namespace Fonts
