#include "GoneRegister.h"

#include "ScriptedRegister.h"

const QString GoneRegister::Unreachable = QStringLiteral("unreachable");
const QString GoneRegister::Reset = QStringLiteral("reset");
const QString GoneRegister::Silent = QStringLiteral("silent");

GoneRegister::GoneRegister(ScriptedRegister& caisse, const QString& way) : m_way(way), m_port(caisse.port())
{
    if (way == Unreachable) {
        m_port = m_unreachable.port();
    } else if (way == Reset) {
        caisse.closeConnection();
        caisse.stopListening();
    }
}
