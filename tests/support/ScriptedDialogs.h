#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

// Dialogs for tests: every message is recorded exactly; answers come from queues.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    QList<Message> messages;
    QQueue<int> answers;             // for questions; OK-only boxes need none
    QQueue<int32_t> colors;          // colour dialog results
    QQueue<QString> fileNames;       // open/save dialog results
    QList<FileRequest> fileRequests; // every file dialog shown, in order
    int unanswered = 0;              // questions asked with no queued answer
    // Runs while a message is "showing", after it was recorded.
    std::function<void(const Message &)> whileShowing;

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    // Recorded as a message (buttons Ok) with its choices; the answer queue gives the index.
    int choose(const QString &text, const QString &title, Icon icon, const QStringList &choices) override;
    QList<QStringList> choices; // the choices of every choose(), in order
    int32_t chooseColor() override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;

    QStringList texts() const;
    void clear() { messages.clear(); }

private:
    int32_t m_lastColor = 0;
};
