#include "ScriptedDialogs.h"

int ScriptedDialogs::message(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    messages.append({text, title, icon, buttons});
    if (whileShowing)
        whileShowing(messages.last());
    if (!answers.isEmpty())
        return answers.dequeue();
    if (buttons == Buttons::Ok)
        return Ok;
    ++unanswered;
    return Cancel;
}

int ScriptedDialogs::choose(const QString &text, const QString &title, Icon icon, const QStringList &choices)
{
    this->choices.append(choices);
    messages.append({text, title, icon, Buttons::Ok});
    if (whileShowing)
        whileShowing(messages.last());
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unanswered;
    return int(choices.size()) - 1;
}

int32_t ScriptedDialogs::chooseColor()
{
    if (!colors.isEmpty())
        m_lastColor = colors.dequeue();
    return m_lastColor;
}

QString ScriptedDialogs::openFileName(const FileRequest &request)
{
    fileRequests.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::saveFileName(const FileRequest &request)
{
    fileRequests.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const Message &m : messages)
        list << m.text;
    return list;
}
