// The job-file type registered at the first run: the store's keys and what the desktop makes of
// them, asked through xdg-mime in a temporary home.
#include "DesktopFiles.h"
#include "DesktopIntegration.h"
#include "FirstRun.h"
#include "Form1.h"
#include "ResourceLibrary.h"
#include "TestPaths.h"

#include <QRegularExpression>

#include "cRegistro.h"
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {
constexpr uint32_t kClasses = cRegistro::HKEY_CLASSES_ROOT;

QString query(const cRegistro &reg, const QString &key)
{
    return reg.QueryValue(kClasses, key, QString()).toString();
}

// xdg-mime as a session in the test's home would run it; never the developer's own home.
QString xdgMime(const TestPaths &tmp, const QStringList &args, const QStringList &dataDirs = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_DESKTOP"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("HOME"), tmp.path(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), tmp.paths().desktopDataHome);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.paths().desktopConfigHome);
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), tmp.path(QStringLiteral("etc-xdg")));
    env.insert(QStringLiteral("XDG_DATA_DIRS"),
               dataDirs.isEmpty() ? tmp.path(QStringLiteral("none")) : dataDirs.join(u':'));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("xdg-mime"), args);
    if (!p.waitForFinished(30000))
        return QStringLiteral("(timed out)");
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString jobFile(const TestPaths &tmp, const QString &name)
{
    QFile f(tmp.path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write("[Ultima Impresi\xf3n Solapa:0]\r\ntxtDesde=0001\r\n");
    return f.fileName();
}
} // namespace

class TestAssociation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFirstRunRegistersTheTypeForTheStoreAndTheDesktop()
    {
        TestPaths tmp;
        QVERIFY(!FirstRun::done(tmp.paths()));
        QVERIFY(FirstRun::registerFileType(tmp.paths(), QStringLiteral("tessarino")));
        QVERIFY(FirstRun::done(tmp.paths()));

        const cRegistro reg(tmp.paths().registryStore);
        const QString program = tmp.paths().programFolder + QStringLiteral("/tessarino");
        QCOMPARE(query(reg, QStringLiteral(".Trv")), QStringLiteral("TrvArchivo"));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo")), QStringLiteral("Archivo de tessarino"));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo\\Shell\\Abrir")), QStringLiteral("Abrir"));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo\\Shell\\Abrir\\command")),
                 program + QStringLiteral(" %1"));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo\\DefaultIcon")), program + QStringLiteral(",2"));

        // What a file manager in that home now does with a job file, in any letter case.
        for (const QString &name :
             {QStringLiteral("rifa.Trv"), QStringLiteral("RIFA2.TRV"), QStringLiteral("r.trv")})
            QCOMPARE(xdgMime(tmp, {QStringLiteral("query"), QStringLiteral("filetype"), jobFile(tmp, name)}),
                     DesktopFiles::MimeType);
        QCOMPARE(xdgMime(tmp, {QStringLiteral("query"), QStringLiteral("default"), DesktopFiles::MimeType}),
                 DesktopFiles::DesktopId);
        QFile entry(
            QDir(tmp.paths().desktopDataHome).filePath(QStringLiteral("applications/tessarino.desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray text = entry.readAll();
        QVERIFY(text.contains("\nExec=" + program.toUtf8() + " %f\n"));
        QVERIFY(QFile::exists(QDir(tmp.paths().desktopDataHome)
                                  .filePath(QStringLiteral("icons/hicolor/48x48/apps/tessarino.png"))));

        // A later run writes nothing: a store changed since stays as it is.
        QVERIFY(
            reg.SetValue(kClasses, QStringLiteral("TrvArchivo"), QString(), QStringLiteral("cambiado"), 1));
        QVERIFY(FirstRun::registerFileType(tmp.paths(), QStringLiteral("tessarino")));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo")), QStringLiteral("cambiado"));
    }

    // Another package already gave *.trv a type of its own; the first run used to make Tessarino
    // that type's default application, taking it from the program the user had.
    void aTypeAlreadyRegisteredKeepsItsOwnerAndItsApplication_data()
    {
        QTest::addColumn<QString>("otherApplication"); // "", "cache" or "chosen"
        QTest::addColumn<QString>("opensIt");
        QTest::newRow("no application of its own") << "" << DesktopFiles::DesktopId;
        QTest::newRow("another application installed") << "cache"
                                                       << "otro.desktop";
        QTest::newRow("another application chosen in the system") << "chosen"
                                                                  << "otro.desktop";
    }
    void aTypeAlreadyRegisteredKeepsItsOwnerAndItsApplication()
    {
        QFETCH(QString, otherApplication);
        QFETCH(QString, opensIt);
        TestPaths tmp;
        const cRegistro reg(tmp.paths().registryStore);
        QVERIFY(reg.SetValue(kClasses, QStringLiteral(".trv"), QString(), QStringLiteral("OtroArchivo"), 1));
        const QString packages = QDir(tmp.paths().desktopDataHome).filePath(QStringLiteral("mime/packages"));
        QVERIFY(QDir().mkpath(packages));
        QFile other(packages + QStringLiteral("/otro.xml"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("<?xml version=\"1.0\"?>\n"
                    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                    "  <mime-type type=\"application/x-otro\"><comment>Otro</comment><glob "
                    "pattern=\"*.trv\"/></mime-type>\n"
                    "</mime-info>\n");
        other.close();
        QCOMPARE(QProcess::execute(QStringLiteral("update-mime-database"), {QFileInfo(packages).path()}), 0);
        // The other program's entry, in a system data folder, with its cache or a choice on top.
        const QString system = tmp.path(QStringLiteral("system"));
        const QString applications = system + QStringLiteral("/applications");
        QVERIFY(QDir().mkpath(applications));
        if (!otherApplication.isEmpty()) {
            put(applications + QStringLiteral("/otro.desktop"),
                "[Desktop Entry]\nType=Application\nName=Otro\nExec=true %f\nMimeType=application/x-otro;\n");
            QCOMPARE(QProcess::execute(QStringLiteral("update-desktop-database"), {applications}), 0);
        }
        if (otherApplication == u"chosen")
            put(applications + QStringLiteral("/mimeapps.list"),
                "[Default Applications]\napplication/x-otro=otro.desktop;\n");
        Paths paths = tmp.paths();
        paths.desktopDataDirs = {system};

        QVERIFY(Form1::registerFileType(paths, QStringLiteral("tessarino")));
        QCOMPARE(query(reg, QStringLiteral(".trv")), QStringLiteral("OtroArchivo"));
        QCOMPARE(query(reg, QStringLiteral("OtroArchivo")), QStringLiteral("Archivo de tessarino"));
        QVERIFY(query(reg, QStringLiteral("OtroArchivo\\Shell\\Abrir\\command"))
                    .endsWith(QStringLiteral("/tessarino %1")));
        QVERIFY(!reg.QueryValue(kClasses, QStringLiteral("TrvArchivo"), QString()).isValid());

        QCOMPARE(xdgMime(tmp,
                         {QStringLiteral("query"), QStringLiteral("filetype"),
                          jobFile(tmp, QStringLiteral("a.trv"))},
                         {system}),
                 QStringLiteral("application/x-otro"));
        QCOMPARE(xdgMime(tmp,
                         {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("application/x-otro")},
                         {system}),
                 opensIt);
        QCOMPARE(DesktopIntegration(paths).currentDefault(QStringLiteral("application/x-otro")).desktopId,
                 opensIt);
        // Tessarino is one of the type's applications all the same.
        QFile cache(QDir(paths.desktopDataHome).filePath(QStringLiteral("applications/mimeinfo.cache")));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        QVERIFY(cache.readAll().contains("application/x-otro=" + DesktopFiles::DesktopId.toUtf8() + ';'));
        QVERIFY(!QFile::exists(packages + QStringLiteral("/tessarino.xml")));
        // A choice the system already makes is not copied into the user's own list.
        QFile list(QDir(paths.desktopConfigHome).filePath(QStringLiteral("mimeapps.list")));
        const bool written = list.open(QIODevice::ReadOnly) && list.readAll().contains("application/x-otro=");
        QCOMPARE(written, otherApplication == u"cache");
    }

    void anEmptyClassIsTreatedAsNone()
    {
        TestPaths tmp;
        const cRegistro reg(tmp.paths().registryStore);
        QVERIFY(reg.SetValue(kClasses, QStringLiteral(".Trv"), QString(), QString(), 1));
        Form1::registerFileType(tmp.paths(), QStringLiteral("tessarino"));
        QCOMPARE(query(reg, QStringLiteral(".Trv")), QStringLiteral("TrvArchivo"));
        QCOMPARE(query(reg, QStringLiteral("TrvArchivo")), QStringLiteral("Archivo de tessarino"));
        QStringList top;
        QCOMPARE(reg.EnumValue(kClasses, QString(), top), 0); // nothing at the top of the root
        QStringList keys;
        QVERIFY(reg.EnumKey(kClasses, QString(), keys) > 0);
        QVERIFY(!keys.contains(QStringLiteral("Shell"), Qt::CaseInsensitive));
    }

    void theProgramPathHasOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/tessarino");
        QTest::newRow("folder") << QStringLiteral("/opt/tessarino")
                                << QStringLiteral("/opt/tessarino/tessarino");
        QTest::newRow("trailing") << QStringLiteral("/opt/t/") << QStringLiteral("/opt/t/tessarino");
    }

    void theProgramPathHasOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(Form1::programPath(folder, QStringLiteral("tessarino")), expected);
    }

    void execLinesHoldAnyPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << QStringLiteral("/usr/bin/tessarino")
                               << QStringLiteral("Exec=/usr/bin/tessarino %f");
        QTest::newRow("blank") << QStringLiteral("/home/ana/Mis programas/tessarino")
                               << QStringLiteral("Exec=\"/home/ana/Mis programas/tessarino\" %f");
        QTest::newRow("quote, dollar, backslash, percent")
            << QStringLiteral("/o/a\"b$c\\d%e/t")
            << QStringLiteral("Exec=\"/o/a\\\\\"b\\\\$c\\\\\\\\d%%e/t\" %f");
        QTest::newRow("line break") << QStringLiteral("/o/a\nb/t") << QString();
    }

    void execLinesHoldAnyPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        const QString entry = QString::fromUtf8(DesktopFiles::desktopEntry(path, DesktopFiles::MimeType));
        if (exec.isEmpty())
            QVERIFY(entry.isEmpty());
        else
            QVERIFY2(entry.contains(u'\n' + exec + u'\n'), qPrintable(entry));
    }

    void anIncompleteRegistrationIsTriedAgain()
    {
        TestPaths tmp;
        // A data folder that cannot be created: the desktop half fails.
        Paths paths = tmp.paths();
        QFile blocker(tmp.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        paths.desktopDataHome = tmp.path(QStringLiteral("blocker/share"));
        QVERIFY(!FirstRun::registerFileType(paths, QStringLiteral("tessarino")));
        QVERIFY(!FirstRun::done(paths));

        // Without update-mime-database the same.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tmp.path(QStringLiteral("no-tools")).toUtf8());
        const bool withoutTools = FirstRun::registerFileType(tmp.paths(), QStringLiteral("tessarino"));
        qputenv("PATH", path);
        QVERIFY(!withoutTools);
        QVERIFY(!FirstRun::done(tmp.paths()));

        // The next start completes it.
        QVERIFY(FirstRun::registerFileType(tmp.paths(), QStringLiteral("tessarino")));
        QVERIFY(FirstRun::done(tmp.paths()));
    }

    // A named pipe where the desktop keeps a database used to stop the first run for ever.
    void pipesInPlaceOfTheDesktopsDatabasesAreSkipped()
    {
        TestPaths tmp;
        Paths paths = tmp.paths();
        const QString system = tmp.path(QStringLiteral("system-share"));
        QVERIFY(QDir().mkpath(system + QStringLiteral("/mime")));
        paths.desktopDataDirs.prepend(system);
        QVERIFY(QDir().mkpath(paths.desktopConfigHome));
        const QString list = QDir(paths.desktopConfigHome).filePath(QStringLiteral("mimeapps.list"));
        for (const QString &pipe : {system + QStringLiteral("/mime/globs2"), list})
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        // The type's default cannot be written without reading the list first: not done, and said.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("skipping .*globs2")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("skipping .*mimeapps.list")));
        QVERIFY(!FirstRun::registerFileType(paths, QStringLiteral("tessarino")));
        QVERIFY(QFileInfo(list).exists() && !QFileInfo(list).isFile());
    }

    void aPackagedInstallNeedsNoFirstRunWriting()
    {
        TestPaths tmp;
        const QString prefix = tmp.path(QStringLiteral("prefix"));
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral("cmake"),
                      {QStringLiteral("--install"), QStringLiteral(TESSARINO_BUILD_DIR),
                       QStringLiteral("--prefix"), prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        const QString share = prefix + QStringLiteral("/share");
        QVERIFY(QFile::exists(prefix + QStringLiteral("/bin/tessarino")));
        QFile entry(share + QStringLiteral("/applications/tessarino.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=" + prefix.toUtf8() + "/bin/tessarino %f\n"));
        QVERIFY(QFile::exists(share + QStringLiteral("/icons/hicolor/256x256/apps/tessarino.png")));
        QVERIFY(QFile::exists(share + QStringLiteral("/mime/packages/tessarino.xml")));
        QVERIFY(QFile::exists(share + QStringLiteral("/man/man1/tessarino.1")));
        QVERIFY(!QDir(share + QStringLiteral("/metainfo"))
                     .entryList({QStringLiteral("*.metainfo.xml")})
                     .isEmpty());

        // The resource library in the program's own folder, the first place the installed program
        // finds a library in, and off the loader's own path.
        const QString library = prefix + QStringLiteral("/" TESSARINO_PRIVATE_LIBDIR "/Lib_Tessarino.so");
        QVERIFY(QFile::exists(library));
        QVERIFY(!QFile::exists(prefix + QStringLiteral("/" TESSARINO_PRIVATE_LIBDIR "/../Lib_Tessarino.so")));
        const QStringList candidates = ResourceLibrary::standardCandidates(prefix + QStringLiteral("/bin"));
        const auto found = std::find_if(candidates.begin(), candidates.end(),
                                        [](const QString &file) { return QFile::exists(file); });
        QVERIFY(found != candidates.end());
        QCOMPARE(QFileInfo(*found).canonicalFilePath(), QFileInfo(library).canonicalFilePath());

        Paths paths = tmp.paths();
        paths.desktopDataDirs = {share};
        QVERIFY(FirstRun::registerFileType(paths, QStringLiteral("tessarino")));
        QVERIFY(!QFileInfo::exists(paths.desktopDataHome)); // the user's folders stay as they were
        QCOMPARE(xdgMime(tmp,
                         {QStringLiteral("query"), QStringLiteral("filetype"),
                          jobFile(tmp, QStringLiteral("x.Trv"))},
                         {share}),
                 DesktopFiles::MimeType);
        QCOMPARE(xdgMime(tmp, {QStringLiteral("query"), QStringLiteral("default"), DesktopFiles::MimeType},
                         {share}),
                 DesktopFiles::DesktopId);
    }
};

QTEST_MAIN(TestAssociation)
#include "tst_association.moc"
