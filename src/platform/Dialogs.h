#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// Every message box, question, file dialog and colour dialog of the program goes through this
// interface, so that logic never talks to the window system directly and tests can answer.
class Dialogs
{
public:
    enum class Icon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
    enum class Buttons { Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };
    // Answer codes of a message box.
    static constexpr int Ok = 1;
    static constexpr int Cancel = 2;
    static constexpr int Yes = 6;
    static constexpr int No = 7;

    virtual ~Dialogs() = default;

    // Shows a modal message and returns the answer code.
    virtual int message(const QString &text, const QString &title, Icon icon,
                        Buttons buttons = Buttons::Ok) = 0;

    // A message whose buttons carry `choices` (at least one); returns the index of the one
    // pressed. The last choice is the one that does nothing: Return, Escape and closing the box
    // give it, and so does every stand-in that cannot ask. The others need a deliberate click: they
    // take none in the first moment the box shows.
    virtual int choose(const QString &text, const QString &title, Icon icon, const QStringList &choices)
    {
        message(text, title, icon, Buttons::Ok);
        return int(choices.size()) - 1;
    }

    // The colour dialog. Returns the dialog's colour value (red in the low byte) however the
    // dialog was closed: the colour last chosen in it during this run, black before any choice.
    virtual int32_t chooseColor() = 0;

    // What a file dialog is opened with. The filter keeps the classic form, pairs of
    // "description|pattern" joined by '|' ("Archivos de tessarino (Trv)|*.trv"); an empty title
    // means the platform's own.
    struct FileRequest
    {
        QString title;
        QString folder;
        QString fileName; // proposed name; a pattern such as "*.trv" proposes none
        QString filter;
        QString defaultExtension; // given to a name typed without one (save only)
        bool confirmOverwrite = false;
    };

    // File dialogs: the chosen path, or an empty text when the user cancels.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
};
