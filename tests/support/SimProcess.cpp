#include "SimProcess.h"

#include <QDeadlineTimer>

SimProcess::SimProcess(const QString& address, const QStringList& arguments)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(qEnvironmentVariable("CAISSE_SIM"), QStringList{QStringLiteral("--address"), address} + arguments);
    if (!m_process.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !m_log.contains(QStringLiteral("listening on"))) {
        if (!m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
        m_log += QString::fromUtf8(m_process.readAll());
    }
    m_listening = m_log.contains(QStringLiteral("listening on"));
}

SimProcess::~SimProcess()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString SimProcess::log()
{
    m_log += QString::fromUtf8(m_process.readAll());
    return m_log;
}
