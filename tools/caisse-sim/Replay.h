#pragma once

#include "Recording.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace sim {

// Serves terminals from a recording: each request gets the reply recorded for the next request of its kind (its
// keyword; every article number is one kind), in the order of the recording, with the lines the register sent
// after it. A request the recording lacks is answered as the plain register would answer it.
class Replay final
{
public:
    using Log = std::function<void(const QString& line)>;

    struct Answer
    {
        bool answered = true; // false: the register never answered this one in the recording
        QString reply;
        QStringList following; // the lines the register sent after the reply
    };

    explicit Replay(Log log);

    bool load(const QString& path, QString& error);

    // plain gives the plain register's reply, asked only when the recording has none. Logs every request that
    // differs from the one recorded in its place, and every one the recording lacks.
    Answer answer(const QString& request, const std::function<QString()>& plain);

    // "ad$" for "ad$12$4$1$", "article" for "552$12$4$1$0$", the whole line for a bare word.
    static QString kindOf(const QString& request);

private:
    struct Recorded
    {
        Recording::Entry entry;
        QStringList following;
    };

    Log m_log;
    QList<Recorded> m_recorded;
    QHash<QString, QList<qsizetype>> m_queues; // per kind, the recorded exchanges not replayed yet, in order
};

} // namespace sim
