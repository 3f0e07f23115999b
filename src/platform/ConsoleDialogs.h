#pragma once

#include "Dialogs.h"

#include <cstdio>

// The dialogs of a run without a window: every message goes to standard error as its text and
// file dialogs are cancelled. Nobody is there to answer a question, so it is answered "No" (the
// run does not go on) unless the command line said yes beforehand.
class ConsoleDialogs final : public Dialogs
{
public:
    explicit ConsoleDialogs(FILE *stream = stderr) : m_stream(stream) {}

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    int32_t chooseColor() override { return 0; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }

    // Questions are answered "Yes" from now on.
    void answerYes() { m_yes = true; }
    // Messages name a file written into `folder` (a private work folder) as `file`, the one the
    // user asked for.
    void showFilesOf(const QString &folder, const QString &file);

    int shown() const { return m_shown; }
    // Questions answered "No".
    int refused() const { return m_refused; }

private:
    FILE *m_stream;
    int m_shown = 0;
    int m_refused = 0;
    bool m_yes = false;
    QString m_folder, m_file;
};
