#include "DecimalField.h"

#include "link/FormatError.h"

#include <cstdint>
#include <limits>

int decimalField(QStringView text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype first = negative ? 1 : 0;
    if (text.size() == first)
        throw FormatError(text.toString());
    // one past the largest magnitude: enough to stop before the sum can overflow
    const std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + 1;
    std::int64_t magnitude = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            throw FormatError(text.toString());
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw FormatError(text.toString());
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        throw FormatError(text.toString());
    return static_cast<int>(value);
}
