#pragma once

#include <QString>
#include <functional>
#include <optional>

class QObject;

// The texts of the windows and messages added over the years, in the interface language. Each
// has an id in Lib_Tessarino (Spanish at the id, English 100 above it). The library's tables are
// built into the program too, so it speaks Spanish when the library cannot be asked.
namespace Texts {

// Where texts come from: the text `id` in the chosen language, or nothing when there is none.
using Source = std::function<std::optional<QString>(int32_t id)>;

// Set when a language is loaded; an empty source means Spanish. Every bound caption follows.
void setSource(Source source);

// Brings every bound caption and followed text up to date: after Qt's translations change.
void refreshAll();

// Drops the source without touching any caption: for the source's owner as it goes away.
void forgetSource();

// The text `id` in the current language, its Spanish text when the language is Spanish or has no
// such text.
QString text(int32_t id);
// The Spanish text `id` of the tables; empty (and logged) for an id they do not hold.
QString spanish(int32_t id);
// The text `id` in the current language, `spanish` when the language is Spanish or has no such
// text: for texts that are not in the tables (a control's caption from its form).
QString text(int32_t id, const QString &spanish);

// Keeps `control`'s caption (a QAction, QMenu, button, label, group box or a window's title) as
// text `id` from now on; the caption it holds now is its Spanish text. The binding ends with
// the control.
void bindCaption(QObject *control, int32_t id);
// The same for a window's title.
void bindTitle(QObject *window, int32_t id);
// The caption of a QAction, QMenu, button, label or group box, or the title of a window when
// `title`; setCaption changes it. Other controls have none.
QString caption(QObject *control, bool title = false);
void setCaption(QObject *control, const QString &text, bool title = false);

// Calls `refresh` at every change of language while `owner` lives: for texts built from parts.
void follow(QObject *owner, std::function<void()> refresh);

} // namespace Texts
