// A writable file in a folder the user may not write (a portable install whose Vireo.sys stands
// in a read-only program folder): every atomic write falls back to writing the file in place.
// Tests run as root, who may write anywhere, so the writes run in a child as `nobody`.
#include "ProfileFiles.h"
#include "TestPaths.h"
#include "cRegistro.h"

#include <QFile>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `write` in a child process under an account without rights on the folder; the child's
// exit code is what `write` returned (0 on success).
int asUnprivileged(const std::function<int()> &write)
{
    const passwd *nobody = ::getpwnam("nobody");
    if (!nobody)
        return -1;
    const uid_t uid = ::geteuid() == 0 ? nobody->pw_uid : ::geteuid();
    const gid_t gid = ::geteuid() == 0 ? nobody->pw_gid : ::getegid();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(90);
        ::_exit(write());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

class TestWriteInPlace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aReadOnlyFolderStillTakesTheWrite()
    {
        TestPaths tmp;
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody)
            QSKIP("no unprivileged account");
        const QString settings = tmp.paths().settingsFile;
        const QString store = tmp.paths().registryStore;
        QString file = settings;
        ProfileFiles(settings).EscribirValorIni(QStringLiteral("Formulario"), QStringLiteral("Ancho"),
                                                QStringLiteral("6125"), file);
        QVERIFY(cRegistro(store).SetValue(cRegistro::HKEY_CLASSES_ROOT, QStringLiteral(".Trv"), QString(),
                                          QStringLiteral("TrvArchivo"), cRegistro::TIPO_STRING));
        // The files are the user's to write; the folder is not.
        const uid_t uid = ::geteuid() == 0 ? nobody->pw_uid : ::geteuid();
        for (const QString &f : {settings, store}) {
            QVERIFY(::chown(QFile::encodeName(f).constData(), uid, gid_t(-1)) == 0);
            QVERIFY(::chmod(QFile::encodeName(f).constData(), 0644) == 0);
        }
        const QByteArray folder = QFile::encodeName(QFileInfo(settings).absolutePath());
        QVERIFY(::chown(folder.constData(), 0, 0) == 0 || ::geteuid() != 0);
        QVERIFY(::chmod(folder.constData(), 0555) == 0);

        const int result = asUnprivileged([&] {
            QString target = settings;
            const bool profile = ProfileFiles(settings).EscribirValoresIni(
                {{QStringLiteral("Formulario"), QStringLiteral("Ancho"), QStringLiteral("8900")}}, target,
                nullptr);
            const bool registry =
                cRegistro(store).SetValue(cRegistro::HKEY_CLASSES_ROOT, QStringLiteral(".Trv"), QString(),
                                          QStringLiteral("Otra"), cRegistro::TIPO_STRING);
            return (profile ? 0 : 1) | (registry ? 0 : 2);
        });
        ::chmod(folder.constData(), 0700);
        QCOMPARE(result, 0);
        file = settings;
        QCOMPARE(
            ProfileFiles(settings).LeerValorIni(QStringLiteral("Formulario"), QStringLiteral("Ancho"), file),
            QStringLiteral("8900"));
        QCOMPARE(cRegistro(store).QueryValue(cRegistro::HKEY_CLASSES_ROOT, QStringLiteral(".Trv"), QString()),
                 QVariant(QStringLiteral("Otra")));
        QCOMPARE(QFileInfo(settings).ownerId(), uint(uid)); // the same file, written where it stands
    }
};

QTEST_GUILESS_MAIN(TestWriteInPlace)
#include "tst_writeinplace.moc"
