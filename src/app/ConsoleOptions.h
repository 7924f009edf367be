#pragma once

#include <QStringList>

class QCommandLineParser;

// A command line read before any application object exists, so that --help and --version answer over SSH, with no
// display to open.
namespace ConsoleOptions {

// The arguments as the application object would see them.
QStringList fromArgv(int argc, char** argv);

// Accepts the toolkit's own options ("-platform xcb", "-display :0" ...), which the application object reads later;
// they are parsed as single-dash long options, as the toolkit writes them.
void acceptToolkitOptions(QCommandLineParser& parser);

// Parses; prints the help, the version or the mistake and leaves the process when that is what the line asks for.
void parseOrLeave(QCommandLineParser& parser, const QStringList& arguments);

// Prints the message on the error stream and leaves with status 1.
[[noreturn]] void fail(const QString& message);

} // namespace ConsoleOptions
