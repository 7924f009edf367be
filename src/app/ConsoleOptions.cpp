#include "ConsoleOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace ConsoleOptions {

QStringList fromArgv(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void acceptToolkitOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto hidden = [&parser](const QString& name, bool takesValue) {
        QCommandLineOption option(name);
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet", "session"})
        hidden(QString::fromLatin1(name), true);
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        hidden(QString::fromLatin1(name), false);
}

void parseOrLeave(QCommandLineParser& parser, const QStringList& arguments)
{
    const bool parsed = parser.parse(arguments);
    const bool asksHelpOrVersion = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                                   parser.isSet(QStringLiteral("version"));
    if (asksHelpOrVersion) {
        // the help names the program from an application object: a console one needs no display
        QByteArray program = arguments.value(0, QCoreApplication::applicationName()).toLocal8Bit();
        char* argv[] = {program.data(), nullptr};
        int argc = 1;
        QCoreApplication console(argc, argv);
        parser.process(arguments); // prints and leaves
    }
    if (!parsed)
        fail(parser.errorText());
}

void fail(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
    std::exit(1);
}

} // namespace ConsoleOptions
