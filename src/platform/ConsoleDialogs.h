#pragma once

#include "Dialogs.h"

#include <cstdio>

// The dialogs of a run without a window: every message goes to standard error as its text,
// questions take their first answer and file dialogs are cancelled.
class ConsoleDialogs final : public Dialogs
{
public:
    explicit ConsoleDialogs(FILE *stream = stderr) : m_stream(stream) {}

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    int32_t chooseColor() override { return 0; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }

    int shown() const { return m_shown; }

private:
    FILE *m_stream;
    int m_shown = 0;
};
