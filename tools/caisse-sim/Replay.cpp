#include "Replay.h"

#include <QHash>

#include <algorithm>

namespace sim {

Replay::Replay(Log log) : m_log(std::move(log)) {}

bool Replay::load(const QString& path, QString& error)
{
    QList<Recording::Entry> entries;
    if (!Recording::read(path, entries, error))
        return false;
    QHash<int, qsizetype> lastAnswered; // per connection, the exchange a further line follows
    for (const Recording::Entry& entry : std::as_const(entries)) {
        if (entry.kind == Recording::Kind::Extra) {
            const auto last = lastAnswered.constFind(entry.connection);
            if (last != lastAnswered.constEnd())
                m_recorded[*last].following.append(entry.reply);
            continue;
        }
        m_recorded.append({entry, {}});
        if (entry.kind == Recording::Kind::Exchange)
            lastAnswered.insert(entry.connection, m_recorded.size() - 1);
        m_queues[kindOf(entry.request)].append(m_recorded.size() - 1);
    }
    return true;
}

Replay::Answer Replay::answer(const QString& request, const std::function<QString()>& plain)
{
    QList<qsizetype>& queue = m_queues[kindOf(request)];
    if (queue.isEmpty()) {
        m_log(QStringLiteral("replay: not recorded \"%1\", answered as the plain register").arg(request));
        return {true, plain(), {}};
    }
    const Recorded& recorded = m_recorded.at(queue.takeFirst());
    // a code masked in the recording is compared masked
    const bool masked = recorded.entry.request.startsWith(QLatin1String("code1$")) &&
                        Recording::masked(recorded.entry.request) == recorded.entry.request;
    const QString compared = masked ? Recording::masked(request) : request;
    if (compared != recorded.entry.request)
        m_log(
            QStringLiteral("replay: differs: recorded \"%1\", received \"%2\"").arg(recorded.entry.request, compared));
    return {recorded.entry.kind == Recording::Kind::Exchange, recorded.entry.reply, recorded.following};
}

QString Replay::kindOf(const QString& request)
{
    const qsizetype dollar = request.indexOf(QLatin1Char('$'));
    if (dollar < 0)
        return request;
    const QStringView word = QStringView(request).left(dollar);
    const bool article = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
    return article ? QStringLiteral("article") : request.left(dollar + 1);
}

} // namespace sim
