#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QLocale;
class QTime;
class QWidget;

// The status row: a one-line help for the control under the mouse pointer, and the clock.
namespace StatusHelp {

// What the help of some controls depends on.
struct State
{
    int windowWidthTwips = 0;
    QString sizeText; // txtTamaño
};

// The help for the control with this objectName (array elements as "txtPosX_2"); an empty text
// for the window's own surface and the tab control; nullopt for controls without help, which
// leave the last text in place.
std::optional<QString> textFor(const QString &controlName, const State &state);

// The time of day in the locale's long time format, without the time zone (and the brackets or
// separator around it) the long format may carry: hours, minutes and seconds.
QString clockText(const QTime &time, const QLocale &locale);

} // namespace StatusHelp

// Shows the help of the control under the pointer in `lblEstado` as the mouse moves over `root`,
// and the status help of the menu entry under it. Every widget below `root` gets mouse tracking,
// so moves without a button pressed are seen. A help still showing follows a change of language.
class StatusHelpTracker : public QObject
{
public:
    StatusHelpTracker(QWidget *root, QLabel *lblEstado, std::function<StatusHelp::State()> state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void track(QWidget *widget);
    void show(const QString &controlName, const QString &text);

    QWidget *m_root;
    QLabel *m_lblEstado;
    std::function<StatusHelp::State()> m_state;
    QString m_shownFor; // the control whose help the line shows
    QString m_shown;
};
