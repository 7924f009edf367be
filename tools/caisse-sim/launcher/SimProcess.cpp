#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include <sys/prctl.h>

SimProcess::SimProcess(const QString& address, const QStringList& arguments, const Options& options)
    : m_logPath(options.logPath.isEmpty() ? QDir(m_folder.path()).filePath(QStringLiteral("caisse-sim.log"))
                                          : options.logPath)
{
    const QString program = options.program.isEmpty() ? qEnvironmentVariable("CAISSE_SIM") : options.program;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_logPath);
    // a test that dies takes its simulator with it, so the address is free for the next run
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(program, QStringList{QStringLiteral("--address"), address} + arguments);
    if (!m_process.waitForStarted(options.startMs))
        return;
    const QRegularExpression listening(QStringLiteral("^caisse-sim: listening on .*:(\\d+)$"),
                                       QRegularExpression::MultilineOption);
    const QDeadlineTimer deadline(options.startMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        const QRegularExpressionMatch match = listening.match(log());
        if (match.hasMatch()) {
            m_port = match.captured(1).toUShort();
            return;
        }
        QThread::msleep(10);
    }
}

SimProcess::~SimProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

QString SimProcess::log() const
{
    QFile file(m_logPath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
