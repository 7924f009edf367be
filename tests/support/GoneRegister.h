#pragma once

#include "UnansweringHost.h"

#include <QString>
#include <QStringList>

class ScriptedRegister;

// A register gone as a restaurant meets one: its Wi-Fi lost (the open connection silent, new connection requests
// unanswered), its program ended (the connection reset at the next request, new ones refused) or hung (connections
// taken, nothing answered).
class GoneRegister final
{
public:
    static const QString Unreachable;
    static const QString Reset;
    static const QString Silent;
    static QStringList ways() { return {Unreachable, Reset, Silent}; }

    // Makes the register gone that way from its next request on.
    GoneRegister(ScriptedRegister& caisse, const QString& way);

    // Where the link connects from now on.
    quint16 port() const { return m_port; }
    // Whether a connect to it fails rather than finding a register that never answers.
    bool refusesConnections() const { return m_way != Silent; }

private:
    QString m_way;
    UnansweringHost m_unreachable;
    quint16 m_port;
};
