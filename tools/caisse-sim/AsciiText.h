#pragma once

#include <QString>

namespace sim {

// The line is 7-bit: the terminal shows any byte above 0x7F as a replacement mark. Accented letters are
// better read without their accent than as "?", so every text leaving the simulator goes through here.
// Letters lose their accents, ligatures are spelt out, typographic signs get their plain equivalent and
// whatever is left above U+007F becomes "?".
QString asciiText(const QString& text);

} // namespace sim
