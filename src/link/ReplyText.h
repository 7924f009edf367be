#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The two string operations every reply parser is built on.

// Splits on a whole separator. A separator that ends the text adds no empty element after it;
// empty elements between separators and before a leading one stay.
QStringList Split(const QString& text, const QString& separator);
// Split without a copy of each element: views into text, which must outlive them. For a reply that is only read.
QList<QStringView> splitViews(QStringView text, QStringView separator);

// Replaces every occurrence from left to right; an empty substring leaves the text as it is.
QString StrReplace(const QString& substring, const QString& replacement, const QString& text);

// Safe field access for split replies: a field past the end reads as empty.
QString field(const QStringList& fields, int index);
QStringView field(const QList<QStringView>& fields, int index);

// Drops blanks and control characters at both ends, as every reply shown or compared is trimmed.
QString trimReply(const QString& text);

// Whether a value from a reply may go back out as a field of a request: no "$", which would end the field early and
// shift every field after it, and no character the wire would not carry back as it came (a control character, or
// a byte above 0x7F, read as U+FFFD).
bool fitsRequestField(QStringView value);
