#pragma once

#include <QLoggingCategory>
#include <exception>

// Where the program writes what it caught and did not show. Every category is "tessarino.*",
// so a user switches them with QT_LOGGING_RULES as for any Qt program
// (QT_LOGGING_RULES="tessarino.*.debug=true"). Warnings are on by default, debug output is off.
Q_DECLARE_LOGGING_CATEGORY(lcApp)   // start-up, windows, the command line
Q_DECLARE_LOGGING_CATEGORY(lcFiles) // settings, job, log and registry files
Q_DECLARE_LOGGING_CATEGORY(lcPrint) // printers, runs, designs, codes
Q_DECLARE_LOGGING_CATEGORY(lcLang)  // the resource library and captions
Q_DECLARE_LOGGING_CATEGORY(lcShell) // desktop integration

class RuntimeError;
class QString;

// The caught failure's text, for a log line: a RuntimeError's number and description, or what().
QString describeFailure(const std::exception &failure);
