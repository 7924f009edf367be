#pragma once

#include <QLoggingCategory>

// Every exchange with the register, for the technician called because a tablet does not talk to it:
// QT_LOGGING_RULES="commande.link.debug=true" commande
Q_DECLARE_LOGGING_CATEGORY(linkLog)
