// Reading files the user names: only regular files are opened, and the reasons a file operation
// fails are given in the interface's language.
#include "ErrorReason.h"
#include "RegularFile.h"
#include "TestPaths.h"
#include "Translations.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A check that waits for ever ends the test process instead of hanging the suite.
struct HangGuard
{
    HangGuard() { ::alarm(20); }
    ~HangGuard() { ::alarm(0); }
};

} // namespace

class TestFileAccess : public QObject
{
    Q_OBJECT

    TestPaths tp;

private Q_SLOTS:
    void cleanup() { Translations::use(Translations::Language::Espanol); }

    void commonReasonsFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("spanish");
        QTest::addColumn<QString>("english");
        QTest::newRow("no space") << ENOSPC << "no queda espacio en el disco"
                                  << "there is no space left on the disk";
        QTest::newRow("read-only disk") << EROFS << "el disco es de solo lectura"
                                        << "the disk is read-only";
        QTest::newRow("permission") << EACCES << "no hay permiso para hacerlo"
                                    << "permission denied";
        QTest::newRow("not found") << ENOENT << "el archivo o la carpeta no existe"
                                   << "the file or folder does not exist";
        QTest::newRow("folder") << EISDIR << "es una carpeta"
                                << "it is a folder";
        QTest::newRow("quota") << EDQUOT << "se ha superado la cuota de disco"
                               << "the disk quota has been exceeded";
        QTest::newRow("too big") << EFBIG << "el archivo supera el tamaño máximo permitido"
                                 << "the file exceeds the largest size allowed";
        QTest::newRow("input/output") << EIO << "error de entrada/salida del disco"
                                      << "the disk reported an input/output error";
        QTest::newRow("not a folder") << ENOTDIR << "una parte de la ruta no es una carpeta"
                                      << "part of the path is not a folder";
        QTest::newRow("exists") << EEXIST << "ya existe un archivo con ese nombre"
                                << "a file with that name already exists";
    }

    // By number, by the text the system gives for it, and by the text Qt gives for it (Qt words
    // a few errors itself in English whatever the system's language).
    void commonReasonsFollowTheInterfaceLanguage()
    {
        QFETCH(int, error);
        QFETCH(QString, spanish);
        QFETCH(QString, english);
        const QString system = QString::fromLocal8Bit(std::strerror(error));
        const QString qt = error == ENOSPC   ? QStringLiteral("No space left on device")
                           : error == EACCES ? QStringLiteral("Permission denied")
                           : error == ENOENT ? QStringLiteral("No such file or directory")
                                             : system;
        for (const bool inEnglish : {false, true}) {
            Translations::use(inEnglish ? Translations::Language::Ingles : Translations::Language::Espanol);
            const QString expected = inEnglish ? english : spanish;
            QCOMPARE(ErrorReason::of(error), expected);
            QCOMPARE(ErrorReason::ofText(system), expected);
            QCOMPARE(ErrorReason::ofText(qt), expected);
        }
        // A rarer error keeps the system's words.
        QCOMPARE(ErrorReason::of(ELOOP), QString::fromLocal8Bit(std::strerror(ELOOP)));
    }

    // What QFile itself reports for a missing file and for a folder (in Qt's words of the language
    // installed then) comes out in our words.
    void fileErrorsComeOutInOurWords()
    {
        QFile missing(tp.path(QStringLiteral("no está.trv")));
        QFile folder(tp.path(QString()));
        const auto fail = [&] {
            QVERIFY(!missing.open(QIODevice::ReadOnly));
            QVERIFY(!folder.open(QIODevice::ReadOnly));
        };
        Translations::use(Translations::Language::Ingles);
        fail();
        QCOMPARE(ErrorReason::of(missing), QStringLiteral("the file or folder does not exist"));
        QCOMPARE(ErrorReason::of(folder), QStringLiteral("it is a folder"));
        QCOMPARE(ErrorReason::notRegularFile(),
                 QStringLiteral("it is not a regular file (it is a pipe, a device or a socket)"));
        QCOMPARE(ErrorReason::readOnlyFile(), QStringLiteral("the file is read-only"));
        Translations::use(Translations::Language::Espanol);
        fail();
        QCOMPARE(ErrorReason::of(missing), QStringLiteral("el archivo o la carpeta no existe"));
        QCOMPARE(ErrorReason::of(folder), QStringLiteral("es una carpeta"));
        QCOMPARE(ErrorReason::readOnlyFile(), QStringLiteral("el archivo es de solo lectura"));
    }

    // A FIFO would make any reader wait for a writer for ever; a device or a socket is no
    // document. The check and the open agree, and neither waits.
    void onlyRegularFilesAreOpened()
    {
        const QString regular = tp.path(QStringLiteral("rifa.trv"));
        QFile f(regular);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Solapa]\r\nSStab=0\r\n");
        f.close();
        const QString link = tp.path(QStringLiteral("enlace.trv"));
        QVERIFY(QFile::link(regular, link));
        const QString fifo = tp.path(QStringLiteral("tuberia.trv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString socketPath = tp.path(QStringLiteral("s.trv"));
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(socketPath);
        QVERIFY(native.size() < qsizetype(sizeof(address.sun_path)));
        std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);

        const QString notRegular = ErrorReason::notRegularFile();
        const struct
        {
            QString path;
            QString why;
        } cases[] = {
            {regular, {}},
            {link, {}},
            {tp.path(QStringLiteral("no está.trv")), ErrorReason::of(ENOENT)},
            {tp.path(QString()), ErrorReason::of(EISDIR)},
            {fifo, notRegular},
            {QStringLiteral("/dev/null"), notRegular},
            {socketPath, notRegular},
            {QString(), ErrorReason::of(ENOENT)},
        };
        const HangGuard guard;
        for (const auto &c : cases) {
            QCOMPARE(RegularFile::refusal(c.path), c.why);
            QFile file;
            QCOMPARE(RegularFile::open(file, c.path), c.why);
            QCOMPARE(file.isOpen(), c.why.isEmpty());
            if (file.isOpen())
                QCOMPARE(file.readAll(), QByteArray("[Solapa]\r\nSStab=0\r\n"));
        }
        ::close(sock);
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
