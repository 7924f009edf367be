#pragma once

#include "CatalogueReplies.h"
#include "ClosingReplies.h"
#include "KitchenReplies.h"
#include "OrderReplies.h"
#include "PrinterLog.h"
#include "Replay.h"
#include "ReplyDelay.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "RoomReplies.h"
#include "ServiceStartReplies.h"
#include "ServiceState.h"
#include "SetMenuReplies.h"
#include "SimOptions.h"
#include "WaiterReplies.h"

#include <QObject>

#include <memory>

class QTcpServer;
class QTimer;

namespace sim {

// The register's side of the line: listens for terminals and answers them from the restaurant's data.
class SimServer final : public QObject
{
    Q_OBJECT

public:
    SimServer(const SimOptions& options, const Restaurant& restaurant, QObject* parent = nullptr);

    // Loads the recording of --replay, then listens.
    bool listen(QString& error);
    // Where it listens, also while a chaos fault has it refuse connections.
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }

    // The faults injected so far; null without --chaos.
    const ChaosPlan* chaos() const { return m_chaos.get(); }
    // The reply a terminal would receive, without a connection or a fault: tests read the service back through it.
    QString reply(const QString& request);

Q_SIGNALS:
    // Every connection, request and reply, and what the printers receive, one line each, for the console.
    void logged(const QString& line);

private:
    void acceptConnections();
    void refuseConnections(int ms);
    void restart(int ms, const QString& stamp);
    void listenAgain();

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
    std::unique_ptr<ChaosPlan> m_chaos;
    std::unique_ptr<Replay> m_replay;    // with --replay
    std::unique_ptr<ReplyDelay> m_delay; // with --reply-delay
    QTcpServer* m_server;
    QTimer* m_refusal; // ends a time of refused connections
    QHostAddress m_address;
    quint16 m_port = 0;
};

} // namespace sim
