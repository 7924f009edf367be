#include "ChaosPlan.h"

#include "Random.h"

#include <QStringList>

namespace sim {

namespace {

bool isSeparator(char c)
{
    return c == '~' || c == ';' || c == '$' || c == '#' || c == ':';
}

// The reply cut before one of its separators, so that it keeps at least its first field and lacks at least one.
// A reply of one field becomes an empty line.
QByteArray withMissingFields(const QByteArray& replyLine, Random& random, QString& description)
{
    QByteArray text = replyLine.chopped(2);
    if (!text.isEmpty() && isSeparator(text.back()))
        text.chop(1); // a final separator only closes the last field
    QList<qsizetype> separators;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSeparator(text.at(i)))
            separators.append(i);
    }
    const int fields = int(separators.size()) + 1;
    const int kept = separators.isEmpty() ? 0 : random.between(1, fields - 1);
    description = QStringLiteral("%1 of %2 fields").arg(kept).arg(fields);
    return (kept == 0 ? QByteArray() : text.left(separators.at(kept - 1))) + "\r\n";
}

} // namespace

ChaosPlan::ChaosPlan(quint64 seed, double rate) : m_seed(seed), m_rate(rate) {}

ChaosPlan::Fault ChaosPlan::next(const QByteArray& replyLine)
{
    // each request draws from its own stream: what one fault consumes never shifts the next
    Random random = Random::stream(m_seed, static_cast<quint64>(m_requests));
    ++m_requests;
    Fault fault;
    if (random.unit() >= m_rate) {
        ++m_counts[static_cast<size_t>(Kind::None)];
        return fault;
    }
    fault.kind = static_cast<Kind>(random.between(1, KindCount));
    ++m_counts[static_cast<size_t>(fault.kind)];
    QString detail;
    switch (fault.kind) {
    case Kind::None:
    case Kind::Drop:
    case Kind::Twice:
        break;
    case Kind::Delay:
        fault.ms = random.between(DelayMinMs, DelayMaxMs);
        detail = QStringLiteral("%1 ms").arg(fault.ms);
        break;
    case Kind::Trickle:
        fault.pieces = int(std::min<qsizetype>(replyLine.size(), TrickleMaxPieces));
        detail = QStringLiteral("%1 bytes in %2 pieces").arg(replyLine.size()).arg(fault.pieces);
        break;
    case Kind::Garbage:
        fault.line.resize(random.between(1, GarbageMaxBytes));
        for (char& byte : fault.line) {
            byte = static_cast<char>(random.between(0, 254));
            if (byte == '\n') // a LF would make two lines of it
                byte = '\xff';
        }
        detail = QStringLiteral("%1 bytes").arg(fault.line.size());
        fault.line += "\r\n";
        break;
    case Kind::LongLine:
        fault.line.resize(LongLineLength);
        for (char& byte : fault.line)
            byte = static_cast<char>(random.between(' ', '~'));
        detail = QStringLiteral("%1 characters").arg(LongLineLength);
        fault.line += "\r\n";
        break;
    case Kind::MissingFields:
        fault.line = withMissingFields(replyLine, random, detail);
        break;
    case Kind::Refuse:
        fault.ms = random.between(RefuseMinMs, RefuseMaxMs);
        detail = QStringLiteral("%1 ms").arg(fault.ms);
        break;
    case Kind::Restart:
        fault.ms = random.between(RestartMinMs, RestartMaxMs);
        // a decimal number, as the stamp of a data file
        fault.stamp = QString::number(static_cast<quint32>(random.next()));
        detail = QStringLiteral("%1 ms stamp %2").arg(fault.ms).arg(fault.stamp);
        break;
    }
    fault.description = detail.isEmpty() ? name(fault.kind) : name(fault.kind) + QLatin1Char(' ') + detail;
    return fault;
}

int ChaosPlan::nextPace()
{
    // a stream apart from the requests': a connection more never shifts their faults
    Random random = Random::stream(~m_seed, static_cast<quint64>(m_connections++));
    return random.unit() < 0.5 ? 0 : random.between(PaceMinMs, PaceMaxMs);
}

QString ChaosPlan::name(Kind kind)
{
    switch (kind) {
    case Kind::None:
        return QStringLiteral("none");
    case Kind::Delay:
        return QStringLiteral("delay");
    case Kind::Drop:
        return QStringLiteral("drop");
    case Kind::Twice:
        return QStringLiteral("twice");
    case Kind::Trickle:
        return QStringLiteral("trickle");
    case Kind::Garbage:
        return QStringLiteral("garbage");
    case Kind::LongLine:
        return QStringLiteral("long-line");
    case Kind::MissingFields:
        return QStringLiteral("missing-fields");
    case Kind::Refuse:
        return QStringLiteral("refuse");
    case Kind::Restart:
        return QStringLiteral("restart");
    }
    return QString();
}

QString ChaosPlan::summary() const
{
    QStringList counts;
    for (int kind = 1; kind <= KindCount; ++kind)
        counts << QStringLiteral("%1=%2").arg(name(static_cast<Kind>(kind))).arg(m_counts.at(size_t(kind)));
    return QStringLiteral("chaos: summary requests=%1 faults=%2 %3")
        .arg(m_requests)
        .arg(m_requests - count(Kind::None))
        .arg(counts.join(QLatin1Char(' ')));
}

} // namespace sim
