#include "LinkLog.h"

// off unless asked for: a service makes thousands of exchanges
Q_LOGGING_CATEGORY(linkLog, "commande.link", QtWarningMsg)
