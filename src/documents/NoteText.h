#pragma once

#include <QString>

class ProfileFiles;

// The note kept with a job: one value, "Comentario"/"Texto", on one line of the job file.
//
// Line breaks are stored as the vertical-tab control character (U+000B, the "manual line
// break" of word processors). It fits the file's 8-bit code page, so a job with a note of
// several lines stays a plain windows-1252 file; no key types it into a text box and the old
// program never wrote one, so a one-line note written there (backslashes and all, say
// "ver C:\Trabajos\rifa") reads back unchanged; and no INI reader takes it for the end of a line.
namespace NoteText {

// The value to store for `text`: every kind of line break (CR LF, CR, LF, the Unicode line and
// paragraph separators, NEL) becomes one vertical tab, so no break ever reaches the file raw.
QString toStored(const QString &text);

// The note's text for a stored value: each vertical tab becomes a line break.
QString fromStored(const QString &value);

// The stored note of `file` as text, or ProfileFiles::Vacio when it has none (or no file).
// The whole note comes back, however long: a cut one would be written back cut. An empty
// `file` reads nothing.
QString read(const ProfileFiles &profiles, const QString &file);

} // namespace NoteText
