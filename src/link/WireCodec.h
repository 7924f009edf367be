#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The register speaks 7-bit ASCII lines: requests end with CR LF, replies with LF (a CR before it is dropped).
namespace WireCodec {

constexpr qsizetype MaxLineLength = 16384;

// Every character above U+007F goes out as one "?"; nothing else is translated or escaped.
QByteArray encodeRequest(const QString& request);

// Every byte above 0x7F comes in as U+FFFD.
QString decodeLine(const QByteArray& bytes);

// A line holding a NUL, which no text of the register carries: what a garbled transmission leaves. Tabs, CRs and
// other control characters are text, trimmed where a reply is shown or compared.
bool isGarbled(QStringView line);

} // namespace WireCodec

// Bytes received from the register, cut into lines.
class LineBuffer final
{
public:
    enum class Status
    {
        Line,     // a complete line was taken
        NeedMore, // no LF buffered yet
        TooLong,  // more than MaxLineLength characters before the LF
    };

    void append(const QByteArray& bytes) { m_bytes.append(bytes); }
    void clear() { m_bytes.clear(); }
    bool isEmpty() const { return m_bytes.isEmpty(); }
    qsizetype size() const { return m_bytes.size(); }

    Status takeLine(QString& line);
    // whether the line taken last ended with CR LF rather than LF alone
    bool lastLineEndedWithCr() const { return m_lastEndedWithCr; }

private:
    QByteArray m_bytes;
    bool m_lastEndedWithCr = false;
};
