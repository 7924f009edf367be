#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

// "commande --check ADDRESS[:PORT] [--service WAITER] [--json]": a technician's check of a register, printed on the
// console with no display opened and no settings read or written.
namespace CheckCommand {

// --check, --service and --json, as the help lists them.
QList<QCommandLineOption> options();

// Whether the command line asks for a check rather than the terminal.
bool isAsked(const QStringList& arguments);

// Checks the register and prints the report; the process's exit status: 0 the terminal starts with this register,
// 1 it does not, 2 the register could not be reached.
int run(const QStringList& arguments);

} // namespace CheckCommand
