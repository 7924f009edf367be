#include "SimLauncher.h"

#include "link/RegisterLink.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <stdexcept>

SimLauncher::SimLauncher(const QString& program, const QString& address, const QStringList& arguments,
                         const QString& logPath)
    : m_logPath(logPath)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(logPath);
    m_process.start(program, QStringList{QStringLiteral("--address"), address, QStringLiteral("--port"),
                                         QString::number(RegisterLink::Port)} +
                                 arguments);
    if (!m_process.waitForStarted(5000))
        throw std::runtime_error("cannot start " + program.toStdString());
    const QRegularExpression listening(QStringLiteral("^caisse-sim: listening on "),
                                       QRegularExpression::MultilineOption);
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (listening.match(log()).hasMatch())
            return;
        if (m_process.state() == QProcess::NotRunning)
            throw std::runtime_error("caisse-sim stopped before listening: " + log().toStdString());
        QThread::msleep(20);
    }
    throw std::runtime_error("caisse-sim did not report listening within 10 s");
}

SimLauncher::~SimLauncher()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

QString SimLauncher::log() const
{
    QFile file(m_logPath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
