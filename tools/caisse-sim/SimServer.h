#pragma once

#include "CatalogueReplies.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "ServiceStartReplies.h"
#include "SimOptions.h"

#include <QObject>

class QTcpServer;

// The register's side of the line: listens for terminals and answers them from the restaurant's data.
class SimServer final : public QObject
{
    Q_OBJECT

public:
    SimServer(const SimOptions& options, const Restaurant& restaurant, QObject* parent = nullptr);

    bool listen(QString& error);
    QHostAddress address() const;
    quint16 port() const;

Q_SIGNALS:
    // Every connection, request and reply, one line each, for the console.
    void logged(const QString& line);

private:
    void acceptConnections();

    SimOptions m_options;
    Restaurant m_restaurant;
    RequestDispatcher m_dispatcher;
    ServiceStartReplies m_serviceStart;
    CatalogueReplies m_catalogueReplies;
    QTcpServer* m_server;
};
