// The interface language: the Lenguaje menu, the stored language and a missing resource library.
#include "InterfaceLanguage.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "Texts.h"
#include "Translations.h"
#include "WindowProbe.h"
#include "frmPrincipal.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <optional>

namespace {

using Captions = QList<std::pair<QString, QString>>;

// Every caption the language sets, by control name, in the order it is requested.
Captions english()
{
    Captions c = {
        {"mnuarchivo", "&File"},
        {"mnunuevo", "&New"},
        {"mnuNueMismo", "&Same number"},
        {"mnuNueDistinto", "&Different number"},
        {"mnuabrir", "&Open"},
        {"mnuguardar", "&Save"},
        {"impCuadricula", "&Print squares of test"},
        {"impRectangulo", "Print test &rectangle"},
        {"archImprimir", "Print &work"},
        {"mnusalir", "&Exit"},
        {"mnuherramientas", "&Tools"},
        {"mnucargar", "&Load"},
        {"mnuultimaMismo", "La&st impression different number"},
        {"mnudistinto", "L&ast impression same number"},
        {"mnuChecktodo", "&Chek all"},
        {"mnuLimpiarTodo", "Clea&n boxes"},
        {"mnulimpiarrecientes", "Clean &recent"},
        {"mnufuente", "&Fonts"},
        {"mnucolor", "&Color"},
        {"mnutamaño", "&Size"},
        {"mnutipo", "&Type"},
        {"mnuguardarconfig", "&Keep current configuration"},
        {"mnurestaurar", "&Restore predetermined values"},
        {"mnuImpresora", "&Printer"},
        {"impConfigurar", "&Config"},
        {"mnuLenguaje", "&Language"},
        {"mnuEspañol", "&Spanish"},
        {"mnuFrances", "&French"},
        {"mnuIngles", "&English"},
        {"mnuItaliano", "&Italian"},
        {"mnuAcerca", "&About"},
        {"mnuNotas", "&Note"},
        {"mnuescribir", "&Escri/edit"},
        {"mnuBorrar", "&Delette"},
        {"cmdImprimir", "&Print"},
        {"CmdCancelar", "&Cancel"},
        {"Check3", "Save configuration"},
        {"cmdRestaurar", "Restore values"},
        {"Command6", "&Print"},
        {"Command7", "&Cancel"},
        {"chVert", "Print vertical"},
        {"chVert2", "Print vertical"},
        {"Label1_0", "From"},
        {"Label1_1", "Until"},
        {"Label25", "Color"},
        {"Label2", "Size"},
    };
    for (int i = 0; i < 4; ++i)
        c << std::pair{QStringLiteral("Label12_%1").arg(i), QStringLiteral("From")}
          << std::pair{QStringLiteral("Label11_%1").arg(i), QStringLiteral("Until")};
    c << std::pair{"Frame3", "Fonts"} << std::pair{"Frame4", "Shows"} << std::pair{"SSTab1:0", "Same number"}
      << std::pair{"SSTab1:1", "Different number"};
    return c;
}

QString caption(const QWidget *window, const QString &name)
{
    if (name.startsWith(QLatin1String("SSTab1:")))
        return window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabText(name.back().digitValue());
    return Texts::caption(window->findChild<QObject *>(name));
}

Captions shown(const QWidget *window)
{
    Captions c;
    for (const auto &[name, text] : english())
        c << std::pair{name, caption(window, name)};
    return c;
}

// The window created over a stored language and, optionally, a library of its own.
struct Window
{
    TestPaths tmp;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    AppContext context{tmp.paths(), dialogs, printer};
    std::unique_ptr<frmPrincipal> w;

    explicit Window(const std::optional<QString> &stored = {}, const std::optional<QStringList> &library = {})
    {
        if (stored)
            context.setSetting(InterfaceLanguage::kSection, InterfaceLanguage::kKey, *stored);
        if (library)
            context.resources = ResourceLibrary(*library);
        w = std::make_unique<frmPrincipal>(context);
    }
    bool open()
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w.get());
    }
    QAction *entry(const QString &name) const { return w->findChild<QAction *>(name); }
    QStringList marked() const
    {
        QStringList m;
        for (const char16_t *name : {u"mnuEspañol", u"mnuFrances", u"mnuItaliano", u"mnuIngles"})
            if (entry(QString::fromUtf16(name))->isChecked())
                m << QString::fromUtf16(name);
        return m;
    }
    QString stored() const { return context.setting(InterfaceLanguage::kSection, InterfaceLanguage::kKey); }
    QString fontCount() const
    {
        return QStringLiteral(" (%1)").arg(w->findChild<QComboBox *>(QStringLiteral("cboFuentes"))->count());
    }
};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each window starts from Spanish, whatever the one before chose.
    void init() { Translations::use(Translations::Language::Espanol); }

    void englishFromTheMenuChangesEveryCaptionAndIsRemembered()
    {
        Window o;
        QVERIFY(o.open());
        QCOMPARE(o.marked(), QStringList{"mnuEspañol"});
        QCOMPARE(caption(o.w.get(), "Frame3"), "Fuentes" + o.fontCount());

        QTest::keyClick(o.w.get(), Qt::Key_F4, Qt::ShiftModifier);
        QCOMPARE(shown(o.w.get()), english()); // Frame3 without its font count
        QCOMPARE(o.stored(), "Ingles");
        QCOMPARE(o.marked(), QStringList{"mnuIngles"});
        QVERIFY(WindowProbe(*o.w).languageLoaded());
        QVERIFY(o.dialogs.messages.isEmpty());
        // The later windows follow, their plan included.
        auto *piles = o.w->findChild<QDialog *>("frmPilas");
        piles->findChild<QCheckBox *>("chkPilas")->click();
        for (const auto &[box, text] : {std::pair{"txtPilasDesde", "1"}, std::pair{"txtPilasHasta", "8"}}) {
            auto *edit = piles->findChild<QLineEdit *>(box);
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
            QTest::keyClicks(edit, text);
        }
        QCOMPARE(piles->windowTitle(), "Number in piles");
        QCOMPARE(o.entry("mnuPilas")->text(), "Number in &piles...");
        QCOMPARE(o.entry("impCalibrar")->text(), "C&alibrate printer...");
        QCOMPARE(o.entry("impQuitarCalibracion")->text(), "&Remove calibration");
        QCOMPARE(o.entry("mnuPlantilla")->text(), "P&DF template...");
        QCOMPARE(o.entry("mnuRegistro")->text(), "Print lo&g...");
        QCOMPARE(caption(o.w.get(), "txtJuegos_lbl"), "Sets:");
        QCOMPARE(piles->findChild<QLabel *>("lblPlan")->text(), "1 block of 8 sheets; pile 1: 1–8");
        auto *formats = o.w->findChild<QDialog *>("frmFormatos");
        QCOMPARE(formats->windowTitle(), "Number format");
        QCOMPARE(o.entry("mnuFormatos")->text(), "Number &format...");
        QCOMPARE(formats->findChild<QComboBox *>("cboFormatoDistinto3")->itemText(0), "Text");
        QVERIFY(formats->findChild<QLabel *>("lblNota")->text().startsWith(
            "The code is printed in black with its top-left"));
        QCOMPARE(formats->findChild<QComboBox *>("cboControlMismo5")->itemText(3), "Modulo 11 (10 = X)");
        QCOMPARE(formats->findChild<QCheckBox *>("chkZonaLibreDistinto0")->text(), "Quiet zone");

        o.entry("mnuEspañol")->trigger();
        QCOMPARE(piles->findChild<QLabel *>("lblPlan")->text(), "1 bloque de 8 hojas; pila 1: 1–8");
        QCOMPARE(caption(o.w.get(), "SSTab1:0"), "Mismo número");
        QCOMPARE(caption(o.w.get(), "mnuIngles"), "I&ngles");
        QCOMPARE(o.stored(), "Español");
        QCOMPARE(o.marked(), QStringList{"mnuEspañol"});
    }

    void italianShowsTwoMessagesAndChangesNothing()
    {
        Window o(QStringLiteral("Ingles"));
        QVERIFY(o.open());
        const Captions before = shown(o.w.get());

        QTest::keyClick(o.w.get(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(o.dialogs.messages.size(), 2);
        const auto &first = o.dialogs.messages[0];
        QCOMPARE(first.text, InterfaceLanguage::kNotAvailable);
        QVERIFY(first.text.endsWith(")") && first.text.contains(".(") && first.text.contains("@"));
        QCOMPARE(first.title, "Tessarino");
        QCOMPARE(first.icon, Dialogs::Icon::Information);
        const auto &second = o.dialogs.messages[1];
        QCOMPARE(second.text,
                 "326  The resource with the identifier '201' was not found"); // in English still
        QCOMPARE(second.title, "Tessarino");
        QCOMPARE(second.icon, Dialogs::Icon::None);
        QCOMPARE(second.buttons, Dialogs::Buttons::Ok);

        QCOMPARE(shown(o.w.get()), before);
        QCOMPARE(o.marked(), QStringList{"mnuIngles"});
        QCOMPARE(o.stored(), "Ingles");
        QVERIFY(!WindowProbe(*o.w).languageLoaded());
    }

    void theStoredLanguageAtStartUp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("messages");
        QTest::newRow("English") << "Ingles"
                                 << "Same number"
                                 << "Fonts"
                                 << "mnuIngles" << 0;
        QTest::newRow("lower case") << "ingles"
                                    << "Mismo número"
                                    << "Fuentes"
                                    << "mnuEspañol" << 0;
        QTest::newRow("garbage") << QString(300, u'¤') << "Mismo número"
                                 << "Fuentes"
                                 << "mnuEspañol" << 0;
        // Marked although it could not be shown: the captions stay as built.
        QTest::newRow("Italian") << "Italiano"
                                 << "Mismo número"
                                 << "Fuente"
                                 << "mnuItaliano" << 2;
    }
    void theStoredLanguageAtStartUp()
    {
        QFETCH(QString, stored);
        QFETCH(QString, tab);
        QFETCH(QString, frame);
        QFETCH(QString, marked);
        QFETCH(int, messages);
        Window o(stored);
        QCOMPARE(caption(o.w.get(), "SSTab1:0"), tab);
        QCOMPARE(caption(o.w.get(), "Frame3"), frame + o.fontCount());
        QCOMPARE(o.marked(), QStringList{marked});
        QCOMPARE(o.dialogs.messages.size(), messages);
    }

    void anUnusableLibraryLeavesTheBuiltInCaptions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "gone/Lib_Tessarino.so"
                                 << "no se encontró Lib_Tessarino.so";
        QTest::newRow("not a library") << "Lib_Tessarino.so"
                                       << "no es una biblioteca que se pueda cargar";
        QTest::newRow("no factory") << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6"
                                    << "no ofrece la clase Clase";
    }
    void anUnusableLibraryLeavesTheBuiltInCaptions()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        TestPaths garbage;
        QFile notALibrary(garbage.path("Lib_Tessarino.so"));
        QVERIFY(notALibrary.open(QIODevice::WriteOnly));
        notALibrary.write(QByteArray(4096, 'x'));
        notALibrary.close();
        const QString path = QFileInfo(file).isAbsolute() ? file : garbage.path(file);
        checkBuiltInCaptions(path, reason);
    }

    // A library cut short used to kill the program with a bus error at every start.
    void aLibraryCutShortIsTreatedAsMissing_data()
    {
        QTest::addColumn<qint64>("size"); // -1: the whole file
        QTest::newRow("whole copy loads") << qint64(-1);
        for (const qint64 size : {4096, 65536, 204800})
            QTest::addRow("first %lld bytes", size) << size;
        QTest::newRow("one byte short") << qint64(-2);
    }
    void aLibraryCutShortIsTreatedAsMissing()
    {
        QFETCH(qint64, size);
        TestPaths tmp;
        QFile whole(QStringLiteral(TESSARINO_RESOURCE_LIBRARY));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QByteArray bytes = whole.readAll();
        QVERIFY(bytes.size() > 204800);
        if (size >= 0)
            bytes.truncate(size);
        else if (size == -2)
            bytes.chop(1);
        QFile copy(tmp.path("Lib_Tessarino.so"));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size());
        copy.close();

        if (size == -1) {
            Window o(QStringLiteral("Ingles"), QStringList{copy.fileName()});
            QCOMPARE(caption(o.w.get(), "SSTab1:0"), "Same number");
            QVERIFY(o.dialogs.messages.isEmpty());
            return;
        }
        checkBuiltInCaptions(copy.fileName(), "está incompleta o dañada");
    }

    // The tables are the one source of a text's Spanish: without the library, and for a
    // language that lacks the text, alike.
    void textsByIdComeFromTheTables()
    {
        Texts::forgetSource();
        QCOMPARE(Texts::text(11001), QStringLiteral("Quitar"));
        QCOMPARE(Texts::text(1041), QStringLiteral("Juegos:"));
        Texts::setSource([](int32_t id) -> std::optional<QString> {
            if (id == 11001)
                return QStringLiteral("Remove");
            return std::nullopt;
        });
        QCOMPARE(Texts::text(11001), QStringLiteral("Remove"));
        QCOMPARE(Texts::text(11002), QStringLiteral("Cancelar"));
        Texts::forgetSource();
        // An id the tables lack, or the English half of one, is no Spanish text: empty, and logged.
        for (int32_t id : {11099, 11101}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No text %1 ").arg(id)));
            QCOMPARE(Texts::spanish(id), QString());
        }
    }

    // Every text the program asks for by its id alone is in the tables.
    void everyTextAskedForByIdIsInTheTables()
    {
        const QString sources = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../src");
        const QRegularExpression call(QStringLiteral(R"(Texts::text\((\d+)\))"));
        int calls = 0;
        QDirIterator files(sources, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch &m : call.globalMatch(text)) {
                ++calls;
                QVERIFY2(!Texts::spanish(m.captured(1).toInt()).isEmpty(),
                         qPrintable(file.fileName() + QStringLiteral(": ") + m.captured(1)));
            }
        }
        QVERIFY(calls > 50); // the sources were found
    }

private:
    static void checkBuiltInCaptions(const QString &path, const QString &reason)
    {
        Window o(QStringLiteral("Ingles"), QStringList{path});
        QVERIFY(o.open());
        QCOMPARE(o.dialogs.messages.size(), 2);
        QCOMPARE(o.dialogs.messages[0].text, InterfaceLanguage::kNotAvailable);
        QVERIFY2(o.dialogs.messages[1].text.startsWith("429  No se puede crear el objeto: ") &&
                     o.dialogs.messages[1].text.contains(reason),
                 qPrintable(o.dialogs.messages[1].text));
        QCOMPARE(caption(o.w.get(), "SSTab1:0"), "Mismo número");
        QCOMPARE(caption(o.w.get(), "mnufuente"), "&Fuente");
        QCOMPARE(caption(o.w.get(), "Check3"), "Guardar configuración de fuente");
        QCOMPARE(caption(o.w.get(), "Frame3"), "Fuente" + o.fontCount());
        QVERIFY(!WindowProbe(*o.w).languageLoaded());
        QVERIFY(o.w->isVisible());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
