#include "WireCodec.h"

#include <QList>

namespace WireCodec {

QByteArray encodeRequest(const QString& request)
{
    QByteArray bytes;
    bytes.reserve(request.size() + 2);
    for (const uint c : request.toUcs4())
        bytes.append(c > 0x7F ? '?' : static_cast<char>(c));
    bytes.append("\r\n");
    return bytes;
}

QString decodeLine(const QByteArray& bytes)
{
    QString line(bytes.size(), Qt::Uninitialized);
    QChar* out = line.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = u > 0x7F ? QChar(QChar::ReplacementCharacter) : QChar(u);
    }
    return line;
}

bool isGarbled(QStringView line)
{
    return line.contains(QChar(QChar::Null));
}

} // namespace WireCodec

LineBuffer::Status LineBuffer::takeLine(QString& line)
{
    const qsizetype lf = m_bytes.indexOf('\n');
    if (lf < 0) {
        // a CR at the end may open the CR LF that ends a line of the longest length
        const qsizetype length = m_bytes.endsWith('\r') ? m_bytes.size() - 1 : m_bytes.size();
        return length > WireCodec::MaxLineLength ? Status::TooLong : Status::NeedMore;
    }
    qsizetype end = lf;
    if (end > 0 && m_bytes.at(end - 1) == '\r')
        --end;
    if (end > WireCodec::MaxLineLength)
        return Status::TooLong;
    line = WireCodec::decodeLine(m_bytes.left(end));
    m_lastEndedWithCr = end < lf;
    m_bytes.remove(0, lf + 1);
    return Status::Line;
}
