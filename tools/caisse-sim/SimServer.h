#pragma once

#include "CatalogueReplies.h"
#include "ClosingReplies.h"
#include "KitchenReplies.h"
#include "OrderReplies.h"
#include "PrinterLog.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "RoomReplies.h"
#include "ServiceStartReplies.h"
#include "ServiceState.h"
#include "SetMenuReplies.h"
#include "SimOptions.h"
#include "WaiterReplies.h"

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
    // Every connection, request and reply, and what the printers receive, one line each, for the console.
    void logged(const QString& line);

private:
    void acceptConnections();

    SimOptions m_options;
    Restaurant m_restaurant;
    ServiceState m_state; // one restaurant in service, whichever terminal asks
    RequestDispatcher m_dispatcher;
    ServiceStartReplies m_serviceStart;
    CatalogueReplies m_catalogueReplies;
    WaiterReplies m_waiterReplies;
    RoomReplies m_roomReplies;
    PrinterLog m_printers;
    OrderReplies m_orderReplies;
    KitchenReplies m_kitchenReplies;
    SetMenuReplies m_setMenuReplies;
    ClosingReplies m_closingReplies;
    QTcpServer* m_server;
};
