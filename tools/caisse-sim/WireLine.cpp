#include "WireLine.h"

namespace sim {

QByteArray encodeLine(const QString& text, LineEnd end)
{
    QByteArray bytes;
    bytes.reserve(text.size() + 2);
    for (const QChar c : text)
        bytes.append(c.unicode() > 0xFF ? '?' : static_cast<char>(c.unicode()));
    if (end == LineEnd::CrLf)
        bytes.append('\r');
    bytes.append('\n');
    return bytes;
}

LineReader::Status LineReader::takeLine(QString& line)
{
    const qsizetype lf = m_buffer.indexOf('\n');
    if (lf < 0)
        return m_buffer.size() > MaxLineLength ? Status::TooLong : Status::NeedMore;
    const qsizetype length = lf > 0 && m_buffer.at(lf - 1) == '\r' ? lf - 1 : lf;
    if (length > MaxLineLength)
        return Status::TooLong;
    line.clear();
    line.reserve(length);
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(m_buffer.at(i));
        line.append(byte > 0x7F ? QChar(QChar::ReplacementCharacter) : QChar(byte));
    }
    m_buffer.remove(0, lf + 1);
    return Status::Line;
}

} // namespace sim
