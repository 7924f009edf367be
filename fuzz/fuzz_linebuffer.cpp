#include "link/WireCodec.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

volatile qsizetype sink;

struct Outcome
{
    QStringList lines; // up to the first over-long one
    bool tooLong = false;
};

void drain(LineBuffer& buffer, Outcome& outcome)
{
    QString line;
    LineBuffer::Status status;
    while ((status = buffer.takeLine(line)) == LineBuffer::Status::Line) {
        if (line.contains(QLatin1Char('\n')) || line.size() > WireCodec::MaxLineLength)
            std::abort();
        outcome.lines.append(line);
    }
    outcome.tooLong = status == LineBuffer::Status::TooLong;
}

} // namespace

// Each chunk starts with a length byte: below 0x80 that many bytes follow; from 0x80 on one byte follows, repeated
// (length - 0x7F) * 256 times, so that short inputs reach the line limit. However the bytes are cut, the lines
// must be those of the same bytes received at once.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LineBuffer chunked;
    Outcome byChunks;
    QByteArray received;
    for (size_t pos = 0; pos < size && !byChunks.tooLong;) {
        const uint8_t head = data[pos++];
        QByteArray chunk;
        if (head < 0x80) {
            const size_t length = std::min<size_t>(head, size - pos);
            chunk = QByteArray(reinterpret_cast<const char*>(data + pos), static_cast<qsizetype>(length));
            pos += length;
        } else if (pos < size) {
            chunk = QByteArray((head - 0x7F) * 256, static_cast<char>(data[pos++]));
        }
        received += chunk;
        chunked.append(chunk);
        drain(chunked, byChunks);
    }
    LineBuffer whole;
    whole.append(received);
    Outcome atOnce;
    drain(whole, atOnce);
    if (atOnce.lines != byChunks.lines || atOnce.tooLong != byChunks.tooLong)
        std::abort();
    sink = byChunks.lines.size();
    return 0;
}
