#include "SimConnection.h"

#include "AsciiText.h"
#include "RequestDispatcher.h"
#include "SimOptions.h"

#include <QTcpSocket>

SimConnection::SimConnection(QTcpSocket* socket, const RequestDispatcher& dispatcher, const SimOptions& options,
                             QObject* parent)
    : QObject(parent), m_socket(socket), m_dispatcher(dispatcher), m_options(options),
      m_peer(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()))
{
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        log(QStringLiteral("closed"));
        deleteLater();
    });
}

void SimConnection::readRequests()
{
    m_buffer.append(m_socket->readAll());
    QString request;
    for (;;) {
        switch (m_buffer.takeLine(request)) {
        case LineBuffer::Status::NeedMore:
            return;
        case LineBuffer::Status::TooLong:
            log(QStringLiteral("request line too long, closing"));
            m_socket->abort();
            return;
        case LineBuffer::Status::Line:
            break;
        }
        log(QStringLiteral("<- %1").arg(request));
        if (m_options.drop) {
            log(QStringLiteral("dropping the connection"));
            m_socket->disconnectFromHost();
            return;
        }
        if (m_options.silent)
            continue;
        const QString reply = asciiText(m_dispatcher.reply(request));
        // a reply line takes the same 7-bit form and CR LF ending as a request
        m_socket->write(WireCodec::encodeRequest(reply));
        log(QStringLiteral("-> %1").arg(reply));
    }
}

void SimConnection::log(const QString& text)
{
    Q_EMIT logged(QStringLiteral("%1 %2").arg(m_peer, text));
}
