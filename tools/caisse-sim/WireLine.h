#pragma once

#include <QByteArray>
#include <QString>

namespace sim {

// The register's side of the line: requests come as 7-bit lines ended by LF (a CR before it is dropped), and
// replies leave as 7-bit lines too, ended as the register's habit has it.
constexpr qsizetype MaxLineLength = 16384;

enum class LineEnd
{
    CrLf,
    Lf,
};

// The reply line on the wire, one byte a character: a replayed line goes out as it was recorded, and a character
// no byte holds as "?" (the simulator's own texts are 7-bit already).
QByteArray encodeLine(const QString& text, LineEnd end = LineEnd::CrLf);

// Cuts the bytes of one connection into request lines.
class LineReader final
{
public:
    enum class Status
    {
        NeedMore, // no complete line yet
        TooLong,  // more than MaxLineLength characters without a line end
        Line,
    };

    void append(const QByteArray& bytes) { m_buffer.append(bytes); }
    // A byte above 0x7F reads as U+FFFD.
    Status takeLine(QString& line);
    bool isEmpty() const { return m_buffer.isEmpty(); }

private:
    QByteArray m_buffer;
};

} // namespace sim
