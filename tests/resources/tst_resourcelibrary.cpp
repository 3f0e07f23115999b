// Lib_Tessarino loaded as the program loads it, through its factory alone.
#include "Lib_Tessarino.h"
#include "Recursos.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <cstdlib>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Lib = LibreriaTessarino;

namespace {

uint32_t u32(const std::vector<unsigned char> &b, std::size_t at)
{
    return qFromLittleEndian<uint32_t>(b.data() + at);
}
uint16_t u16(const std::vector<unsigned char> &b, std::size_t at)
{
    return qFromLittleEndian<uint16_t>(b.data() + at);
}

// Child mode: loads the library, starts a sound, lets the object go while it plays and unloads
// the library, as another program using it would. Unloading used to hang for ever on the sound's
// thread.
int playAndUnload(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        QLibrary library{QStringLiteral(TESSARINO_RESOURCE_LIBRARY)};
        if (!library.load())
            return 2;
        const auto fabrica = reinterpret_cast<Lib::FabricaClase>(library.resolve(Lib::kNombreFabrica));
        Lib::_Clase *objeto = nullptr;
        if (!fabrica || fabrica(Lib::CLSID_Clase, Lib::IID__Clase, &objeto) != Lib::S_Correcto)
            return 3;
        Lib::VarianteVacia result;
        objeto->CargarSonidos(round % 2 ? Lib::sonido2 : Lib::sonido1, nullptr, &result);
        QThread::msleep(300); // the sound's thread is in the device by now
        delete objeto;
        if (!library.unload())
            return 4;
    }
    return 0;
}

} // namespace

class TestResourceLibrary : public QObject
{
    Q_OBJECT

    QLibrary m_library{QStringLiteral(TESSARINO_RESOURCE_LIBRARY)};
    std::unique_ptr<Lib::_Clase> m_clase;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        const auto fabrica = reinterpret_cast<Lib::FabricaClase>(m_library.resolve(Lib::kNombreFabrica));
        QVERIFY(fabrica);
        Lib::_Clase *objeto = nullptr;
        // Another class is refused rather than answered by this one.
        QCOMPARE(fabrica(Lib::IID__Clase, Lib::IID__Clase, &objeto), Lib::E_ClaseNoRegistrada);
        QCOMPARE(fabrica(Lib::CLSID_Clase, Lib::IID__Clase, &objeto), Lib::S_Correcto);
        m_clase.reset(objeto);
    }

    void strings_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("base"); // -1: omitted
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("Spanish tab") << 35 << int(Lib::Español) << 0 << "Mismo número";
        QTest::newRow("English tab") << 35 << int(Lib::Ingles) << 0 << "Same number";
        QTest::newRow("omitted is Spanish") << 20 << -1 << 0 << "Ú&ltima impresión distinto número";
        QTest::newRow("kept as written") << 34 << int(Lib::Ingles) << 0 << "&Delette";
        QTest::newRow("last Spanish") << 48 << int(Lib::Español) << 0 << "-";
        QTest::newRow("title") << 0 << int(Lib::Ingles) << 0 << "Tessarino (by Vireo & Trazo)";
        QTest::newRow("Italian") << 1 << int(Lib::Italiano) << 326 << "";
        QTest::newRow("French") << 1 << int(Lib::Frances) << 326 << "";
        QTest::newRow("past Spanish") << 49 << int(Lib::Español) << 326 << "";
        QTest::newRow("past English") << 49 << int(Lib::Ingles) << 326 << "";
        QTest::newRow("negative") << -1 << int(Lib::Español) << 326 << "";
        // Added texts past 10000 are found by their own thousand, not taken for an earlier one.
        QTest::newRow("added, Spanish, 11001") << 11001 << int(Lib::Español) << 0 << "Quitar";
        QTest::newRow("added, English, 11001") << 11001 << int(Lib::Ingles) << 0 << "Remove";
        QTest::newRow("not added, 11099") << 11099 << int(Lib::Español) << 326 << "";
        QTest::newRow("sum overflows") << std::numeric_limits<int>::max() << int(Lib::Ingles) << 6 << "";
    }
    void strings()
    {
        QFETCH(int, id);
        QFETCH(int, base);
        QFETCH(int, error);
        QFETCH(QString, text);
        std::string result = "untouched";
        const int32_t idioma = base;
        const Lib::Estado estado = m_clase->CargarCadena(id, base < 0 ? nullptr : &idioma, &result);
        if (error) {
            QCOMPARE(estado, Lib::ErrorDeControl(error));
            QCOMPARE(result, std::string("untouched"));
        } else {
            QCOMPARE(estado, Lib::S_Correcto);
            QCOMPARE(QString::fromStdString(result), text);
        }
    }

    void flagsAre45By45TrueColourBitmaps()
    {
        std::vector<std::vector<unsigned char>> seen;
        for (int id = Lib::bArgentina; id <= Lib::bEspaña; ++id) {
            Lib::Imagen flag;
            QCOMPARE(m_clase->CargarImagen(id, nullptr, &flag), Lib::S_Correcto);
            const auto &b = flag.datos;
            QCOMPARE(flag.formato, Lib::FormatoBitmap);
            QCOMPARE(b.size(), std::size_t(14 + 40 + 136 * 45));
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), 2), QByteArray("BM"));
            QCOMPARE(u32(b, 2), uint32_t(b.size()));
            QCOMPARE(u32(b, 18), 45u); // width
            QCOMPARE(u32(b, 22), 45u); // height
            QCOMPARE(u16(b, 28), uint16_t(24));
            QCOMPARE(u32(b, 30), 0u); // uncompressed
            QVERIFY2(std::find(seen.begin(), seen.end(), b) == seen.end(), "each flag is its own picture");
            seen.push_back(b);
        }
    }

    void pictureForms_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("picture");
        QTest::newRow("no such flag") << 6 << 0 << 0 << false;
        QTest::newRow("id 0") << 0 << 0 << 0 << false;
        QTest::newRow("cursor 1") << 1 << int(Lib::FormatoCursor) << 0 << true;
        QTest::newRow("no cursor 2") << 2 << int(Lib::FormatoCursor) << 326 << false;
        QTest::newRow("no icon 1") << 1 << int(Lib::FormatoIcono) << 326 << false;
        QTest::newRow("unknown form") << 1 << 3 << 5 << false;
        QTest::newRow("form past 16 bits") << 1 << 70000 << 6 << false;
    }
    void pictureForms()
    {
        QFETCH(int, id);
        QFETCH(int, format);
        QFETCH(int, error);
        QFETCH(bool, picture);
        Lib::Imagen result;
        const int32_t form = format;
        const Lib::Estado estado = m_clase->CargarImagen(id, &form, &result);
        QCOMPARE(estado, error ? Lib::ErrorDeControl(error) : Lib::S_Correcto);
        QCOMPARE(!result.vacia(), picture);
        if (picture && format == Lib::FormatoCursor) {
            QCOMPARE(u16(result.datos, 2), uint16_t(2)); // a cursor file
            QCOMPARE(u16(result.datos, 4), uint16_t(1));
        }
    }

    void soundsAreMono8BitPcmAt22050()
    {
        using namespace Lib::Recursos;
        const std::pair<int, std::size_t> sounds[] = {{16, 46580}, {48, 46944}, {144, 42820}};
        for (const auto &[id, size] : sounds) {
            const auto span = recurso(TipoRecurso::Sonido, id);
            const std::vector<unsigned char> w(span.begin(), span.end());
            QCOMPARE(w.size(), size);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.data()), 4), QByteArray("RIFF"));
            QCOMPARE(u32(w, 4), uint32_t(size - 8));
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.data()) + 8, 8), QByteArray("WAVEfmt "));
            QCOMPARE(u16(w, 20), uint16_t(1)); // PCM
            QCOMPARE(u16(w, 22), uint16_t(1)); // mono
            QCOMPARE(u32(w, 24), 22050u);
            QCOMPARE(u16(w, 34), uint16_t(8));
            QCOMPARE(u32(w, 40), uint32_t(size - 44));
        }
    }

    void soundsReturnAtOnceWithOrWithoutADevice()
    {
        Lib::VarianteVacia result;
        QElapsedTimer clock;
        clock.start();
        for (int32_t id :
             {int32_t(Lib::rdDummy), int32_t(Lib::sonido1), int32_t(Lib::sonido2), int32_t(Lib::sonido2), 7})
            QCOMPARE(m_clase->CargarSonidos(id, nullptr, &result), Lib::S_Correcto);
        // Each sound lasts two seconds; a call that waited for it would show here.
        QVERIFY(clock.elapsed() < 1500);
        int32_t nombre = Lib::vNombre1;
        QCOMPARE(m_clase->Vernombres(&nombre, &result), Lib::S_Correcto);
    }

    void theLibraryUnloadsWhileASoundPlays_data()
    {
        QTest::addColumn<bool>("stalled");
        QTest::addColumn<int>("rounds");
        QTest::newRow("the machine's own device, or none") << false << 5;
        // A device that takes a little sound and then no more, as a virtual machine's card whose
        // clock does not run: the audio library writes into a pipe nobody reads.
        QTest::newRow("a device that stops taking sound") << true << 2;
    }

    void theLibraryUnloadsWhileASoundPlays()
    {
        QFETCH(bool, stalled);
        QFETCH(int, rounds);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess child;
        int reader = -1;
        if (stalled) {
            const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("device")));
            QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
            reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(reader >= 0);
            ::fcntl(reader, F_SETPIPE_SZ, 4096);
            QFile config(dir.filePath(QStringLiteral("asound.conf")));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write("pcm.!default { type file slave.pcm \"null\" file \"" + pipe +
                         "\" format \"raw\" }\n"
                         "pcm.null { type null }\n");
            config.close();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("ALSA_CONFIG_PATH"), config.fileName());
            child.setProcessEnvironment(env);
        }
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--play-and-unload"), QString::number(rounds)});
        QVERIFY(child.waitForStarted());
        const bool finished = child.waitForFinished(20000);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
        if (reader >= 0)
            ::close(reader);
        QVERIFY2(finished, "unloading the library after a sound hung");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--play-and-unload") == 0)
        return playAndUnload(std::atoi(argv[2]));
    QCoreApplication app(argc, argv);
    TestResourceLibrary test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_resourcelibrary.moc"
