#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>

// The options of `tessarino --print`, described for --help in the interface language. Their
// names never change with it: scripts use them.
struct CommandLineOptions
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineOptions)

public:
    CommandLineOptions();

    // What the program does, above the options.
    static QString description();
    QList<QCommandLineOption> all() const;

    QCommandLineOption help, version, print, printer, output, sheets, fitAnyway, tickets;
};
