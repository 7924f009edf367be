#pragma once

#include <QStringView>

// The register's numbers as the catalogue load reads them: an optional "-", then ASCII digits only
// (leading zeros allowed), within a signed 32-bit integer. Anything else, the empty text and blanks
// included, throws FormatError.
int decimalField(QStringView text);
