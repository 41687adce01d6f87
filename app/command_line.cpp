// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "app/messages.h"
#include "app/qt_reliance.h"
#include "app/startup_failure.h"
#include "app/terminal.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace rumitaku {

namespace {

void addHidden(QCommandLineParser& parser, const char* name, bool takesValue)
{
    QCommandLineOption option{QString::fromLatin1(name)};
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// The argument as it was given, for an option the parser names without its dashes.
QString asGiven(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return argument;
    }
    return name;
}

int refuse(const messages::Message& message, const QString& argument)
{
    printLine(message, argument);
    return 2;
}

// As the standard tools do, an answer that could not be written whole (to a full disk,
// to a closed output) is a failure, said on standard error.
int answered(bool written)
{
    if (written)
        return 0;
    printLine(messages::writeError, QString::fromLocal8Bit(std::strerror(errno)));
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options have one dash: -platform is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(inTerminalsWords(messages::programDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : qt_reliance::optionsWithValue)
        addHidden(parser, name, true);
    for (const char* name : qt_reliance::flags)
        addHidden(parser, name, false);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refuse(messages::unknownOption, asGiven(arguments, unknown.first()));
        return refuse(messages::badCommandLine, parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application the parser does not know the program's name.
        return answered(writeToTerminal(
            stdout, parser.helpText().replace(QLatin1String(qt_reliance::executableNamePlaceholder),
                                              QCoreApplication::applicationName())));
    }
    if (parser.isSet(version)) {
        return answered(writeToTerminal(stdout, QCoreApplication::applicationName() + QLatin1Char(' ')
                                                    + QCoreApplication::applicationVersion() + QLatin1Char('\n')));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(messages::unexpectedArgument, parser.positionalArguments().first());
    return std::nullopt;
}

QString platformArgument(int argc, char** argv)
{
    QString platform;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            platform = fromTerminal(argv[++i]);
    }
    return platform;
}

}  // namespace rumitaku
