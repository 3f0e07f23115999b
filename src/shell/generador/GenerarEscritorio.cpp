// Writes the desktop entry, the job files' type and the icons below a data folder, for
// `cmake --install`. Prints each file written, one a line.
#include "DesktopFiles.h"

#include <QDirIterator>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        QTextStream(stderr) << "usage: GenerarEscritorio <data folder> <program path>\n";
        return 2;
    }
    const QString share = QString::fromLocal8Bit(argv[1]);
    const QString program = QString::fromLocal8Bit(argv[2]);
    if (!DesktopFiles::write(share, program, QStringLiteral("Archivo de tessarino"), DesktopFiles::MimeType,
                             true))
        return 1;
    QTextStream out(stdout);
    for (const QString &sub :
         {QStringLiteral("applications"), QStringLiteral("icons/hicolor"), QStringLiteral("mime/packages")}) {
        QDirIterator it(share + u'/' + sub, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (file.contains(QStringLiteral("tessarino")))
                out << file << '\n';
        }
    }
    return 0;
}
