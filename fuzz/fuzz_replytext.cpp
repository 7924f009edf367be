#include "link/ReplyText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
volatile qsizetype sink;
}

// Input: a length byte for the separator, a length byte for the replacement, the separator, the replacement,
// then the text. Split and StrReplace scan alike, so joining the split with the replacement must give the
// replaced text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto piece = [&](size_t from, size_t length) {
        return QString::fromUtf8(reinterpret_cast<const char*>(data + from), static_cast<qsizetype>(length));
    };
    const size_t sepLength = std::min<size_t>(data[0] % 8, size - 2);
    const size_t replLength = std::min<size_t>(data[1] % 8, size - 2 - sepLength);
    const QString separator = piece(2, sepLength);
    const QString replacement = piece(2 + sepLength, replLength);
    const QString text = piece(2 + sepLength + replLength, size - 2 - sepLength - replLength);

    const QStringList fields = Split(text, separator);
    const QString replaced = StrReplace(separator, replacement, text);
    // a separator that ends the text leaves no empty element behind it
    const bool trailing = fields.join(separator) != text;
    if (trailing && fields.join(separator) + separator != text)
        std::abort();
    if (!separator.isEmpty() && fields.join(replacement) + (trailing ? replacement : QString()) != replaced)
        std::abort();
    sink = fields.size() + replaced.size();
    return 0;
}
