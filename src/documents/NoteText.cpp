#include "NoteText.h"

#include "JobFile.h"
#include "ProfileFiles.h"

namespace {
constexpr QChar kStoredBreak = QChar(0x0B);
} // namespace

QString NoteText::toStored(const QString &text)
{
    QString stored;
    stored.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            stored += kStoredBreak;
        } else if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
                   c == QChar(0x85)) {
            stored += kStoredBreak;
        } else {
            stored += c;
        }
    }
    return stored;
}

QString NoteText::fromStored(const QString &value)
{
    QString text = value;
    text.replace(kStoredBreak, u'\n');
    return text;
}

QString NoteText::read(const ProfileFiles &profiles, const QString &file)
{
    if (file.isEmpty())
        return ProfileFiles::Vacio; // an empty name would read the settings file
    QString path = file;
    const QString value = profiles.wholeValue(JobFile::kComentario, JobFile::kTexto, path);
    return value == ProfileFiles::Vacio ? value : fromStored(value);
}
