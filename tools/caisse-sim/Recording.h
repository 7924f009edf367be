#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace sim {

// A recording of what passed between terminals and a register: plain text, one exchange a line, fields separated by
// tabs, readable and editable by hand (the format is in README.md).
namespace Recording {

enum class Kind
{
    Exchange,   // "=": a request and the reply line that answered it
    Extra,      // "+": a further line the register sent while no request waited (a ticket's trailing line)
    Unanswered, // "!": a request the register had not answered when the connection closed
};

struct Entry
{
    Kind kind = Kind::Exchange;
    int connection = 0; // from 1, in the order the terminals connected
    double seconds = 0; // since the recording began, when the request (or the extra line) came
    int ms = 0;         // how long the register took to answer
    QString request;
    QString reply;
};

// "\\", "\t" and "\xHH" for any byte outside printable ASCII: a line of the file holds any line of the wire.
QString escaped(const QString& text);
QString unescaped(const QString& text);

// The request with the waiter code of "code1$N$CODE$" replaced by "****": a recording safe to send.
QString masked(const QString& request);

QString line(const Entry& entry);
// False for a line that is no entry (a comment, a blank line or a damaged line).
bool parse(const QString& line, Entry& entry);

// Reads every entry of the file; false with the reason in error when it cannot be read.
bool read(const QString& path, QList<Entry>& entries, QString& error);

} // namespace Recording

} // namespace sim
