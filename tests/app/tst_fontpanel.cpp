// The font panel driven through the window: start-up from the settings file, the box that keeps
// the font, the colour dialog, the menu entries, and a print run read back from the PDF.
#include "FontSettings.h"
#include "FormHarness.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

namespace {

const QString kTamano = QStringLiteral("Tamaño");

FontSettings::Stored storedFont(const AppContext &c)
{
    QString file;
    return FontSettings::read(c.profiles, file);
}

// Settings of a previous run that kept its font.
auto keptFont(const QString &color, const QString &size, const QString &name, const QString &activado = "1")
{
    return [=](const AppContext &c) {
        c.setSetting(QStringLiteral("Fuentes"), QStringLiteral("Color"), color);
        c.setSetting(QStringLiteral("Fuentes"), kTamano, size);
        c.setSetting(QStringLiteral("Fuentes"), QStringLiteral("Indice"), name);
        c.setSetting(QStringLiteral("Guardar"), QStringLiteral("Activado"), activado);
    };
}

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The families fontconfig reports, each line one font: its own family name first, then any
// other names it answers to ("DejaVu Sans,DejaVu Sans Condensed").
struct FcFamilies
{
    QSet<QString> own;
    QSet<QString> any;
    QHash<QString, QSet<QString>> foundries; // own family name -> foundries shipping it

    static FcFamilies installed()
    {
        FcFamilies fc;
        for (const QString &line : output("fc-list", {"--format", "%{family}\t%{foundry}\n"}).split(u'\n')) {
            const QStringList fields = line.split(u'\t');
            const QStringList names = fields[0].split(u',', Qt::SkipEmptyParts);
            if (names.isEmpty())
                continue;
            fc.own << names.first();
            fc.any.unite(QSet<QString>(names.begin(), names.end()));
            fc.foundries[names.first()] << fields.value(1);
        }
        return fc;
    }
    // The family most foundries ship, which Qt lists once per foundry ("Nimbus Sans [URW ]").
    QString withSeveralFoundries() const
    {
        QString best;
        for (auto it = foundries.begin(); it != foundries.end(); ++it)
            if (it->size() > 1 && (best.isEmpty() || it->size() > foundries[best].size() ||
                                   (it->size() == foundries[best].size() && it.key() < best)))
                best = it.key();
        return best;
    }
};

// An installed family that is not the first of the list, so that finding it is not luck.
QString secondFont()
{
    return FontSettings::installedFamilies().value(1);
}

// An installed family whose name changes in upper case.
QString familyWithLowerCase()
{
    for (const QString &family : FontSettings::installedFamilies())
        if (family.toUpper() != family)
            return family;
    return {};
}

template <typename H> struct Panel
{
    H &h;
    QComboBox *cboFuentes() const
    {
        return h.w.template findChild<QComboBox *>(QStringLiteral("cboFuentes"));
    }
    QLineEdit *txtTamano() const { return h.box(QStringLiteral("txtTamaño")); }
    QLabel *label(const char *name) const { return h.w.template findChild<QLabel *>(QLatin1String(name)); }
    QCheckBox *Check3() const { return h.check(QStringLiteral("Check3")); }
    QAction *menu(const QString &name) const { return h.w.template findChild<QAction *>(name); }
    QColor sampleColor() const { return label("Label6")->palette().color(QPalette::WindowText); }
    QColor swatch() const { return label("PicColor")->palette().color(QPalette::Window); }
    QFont sampleFont() const { return label("Label6")->font(); }
};
template <typename H> Panel(H &) -> Panel<H>;

} // namespace

class TestFontPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpShowsTheKeptFontAndKeepsItForTheNextRun()
    {
        QVERIFY(!secondFont().isEmpty());
        FormHarness<> h(keptFont(QStringLiteral("255"), QStringLiteral("20"), secondFont()));
        Panel p{h};

        QCOMPARE(p.cboFuentes()->currentText(), secondFont());
        QCOMPARE(p.sampleFont().family(), secondFont());
        QCOMPARE(p.sampleFont().pointSize(), 20);
        QCOMPARE(p.sampleColor(), QColor(Qt::red));
        QCOMPARE(p.swatch(), QColor(Qt::red));
        QCOMPARE(p.txtTamano()->text(), QStringLiteral("20"));
        QVERIFY(h.dialogs.messages.isEmpty());
        QVERIFY(!h.probe.jobModified());
        const FontChoice choice = h.w.fontChoice();
        QCOMPARE(choice.name, secondFont());
        QCOMPARE(choice.sizeText, QStringLiteral("20"));
        QCOMPARE(choice.color, 255);

        // The box shows that the font is kept, so leaving keeps it for the run after this one.
        QVERIFY(p.Check3()->isChecked());
        h.w.close();
        QCOMPARE(storedFont(h.context), (FontSettings::Stored{"255", "20", secondFont()}));
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("1"));
    }

    void theListHoldsEveryFamilyOnceSortedAndItsCountShows()
    {
        FormHarness<> h;
        Panel p{h};
        QStringList listed;
        for (int i = 0; i < p.cboFuentes()->count(); ++i)
            listed << p.cboFuentes()->itemText(i);
        // Each family once, by a name fontconfig knows it by (no foundry tags, no generic
        // aliases), and every font's own family name is there.
        const FcFamilies fc = FcFamilies::installed();
        QVERIFY(!fc.own.isEmpty());
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
        for (const QString &name : listed)
            QVERIFY2(fc.any.contains(name), qPrintable(name + " is not an installed family"));
        for (const QString &family : fc.own)
            QVERIFY2(listed.contains(family), qPrintable(family + " is missing"));
        for (qsizetype i = 1; i < listed.size(); ++i)
            QVERIFY2(listed[i - 1].compare(listed[i], Qt::CaseInsensitive) <= 0, qPrintable(listed[i]));
        // The caption comes from the resource library, the count after it.
        QCOMPARE(h.w.findChild<QGroupBox *>("Frame3")->title(),
                 QStringLiteral("Fuentes (%1)").arg(listed.size()));

        // Nothing stored: black, 12 points, the first font, the box clear.
        QCOMPARE(p.cboFuentes()->currentIndex(), 0);
        QCOMPARE(p.sampleFont().family(), listed.first());
        QCOMPARE(p.sampleFont().pointSize(), 12);
        QCOMPARE(p.swatch(), QColor(Qt::black));
        QVERIFY(!p.Check3()->isChecked());
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void aStoredNameThatIsNotInstalled_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("message");
        QTest::newRow("no font stored") << "-1" << false;
        QTest::newRow("another letter case") << familyWithLowerCase().toUpper() << true;
        QTest::newRow("not installed") << "Fuente Inexistente" << true;
    }
    void aStoredNameThatIsNotInstalled()
    {
        QFETCH(QString, name);
        QFETCH(bool, message);
        FormHarness<> h(keptFont(QStringLiteral("255"), QStringLiteral("20"), name));
        Panel p{h};
        const QString first = p.cboFuentes()->itemText(0);
        QCOMPARE(p.cboFuentes()->currentIndex(), 0);
        QCOMPARE(p.sampleFont().family(), first);
        QCOMPARE(p.sampleFont().pointSize(), 20);
        if (message) {
            QCOMPARE(h.dialogs.texts(),
                     QStringList{"No se encuentra la fuente (" + name +
                                 ") utilizada por este archivo, la misma se sustituirá por " + first});
            QCOMPARE(h.dialogs.messages[0].title, QStringLiteral("Tessarino"));
            QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Information);
        } else {
            QVERIFY(h.dialogs.messages.isEmpty());
        }
    }

    void aStoredFamilyIsFoundWhateverItsFoundry_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("family");
        const FcFamilies fc = FcFamilies::installed();
        const QString family = fc.withSeveralFoundries();
        if (family.isEmpty())
            QSKIP("no family is installed from several foundries");
        QTest::newRow("plain name") << family << family;
        for (const QString &foundry : fc.foundries[family])
            QTest::newRow(qPrintable("tagged " + foundry)) << family + " [" + foundry + "]" << family;
    }
    void aStoredFamilyIsFoundWhateverItsFoundry()
    {
        QFETCH(QString, stored);
        QFETCH(QString, family);
        FormHarness<QtPrinterSurface> h(keptFont(QStringLiteral("0"), QStringLiteral("20"), stored));
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        Panel p{h};
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        QCOMPARE(p.cboFuentes()->currentText(), family);

        // The printed numbers are in that family, not a substitute.
        QVERIFY(h.open(0));
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        const QString embedded = output("pdffonts", {h.printer.lastPdfFile()});
        const QStringList psNames =
            output("fc-list", {"--format", "%{postscriptname}\n", family}).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!psNames.isEmpty());
        QVERIFY2(std::any_of(psNames.begin(), psNames.end(),
                             [&](const QString &ps) { return embedded.contains(ps + ' '); }),
                 qPrintable(embedded));

        // Leaving keeps the plain name for the next run (the job is left unchanged, so no
        // question about saving it stands in the way).
        h.probe.setJobModified(false);
        h.w.close();
        QCOMPARE(storedFont(h.context).name, family);
    }

    void aStoredColourThatIsNotAColourLeavesTheBuiltInFont_data()
    {
        QTest::addColumn<QString>("color");
        QTest::newRow("no font section") << "Vacio";
        QTest::newRow("minus one") << "-1";
        QTest::newRow("garbage") << "rojo";
    }
    void aStoredColourThatIsNotAColourLeavesTheBuiltInFont()
    {
        QFETCH(QString, color);
        // "Vacio" is what a missing key reads as; writing it stands for a file without the section.
        FormHarness<> h(keptFont(color, color == "Vacio" ? "Vacio" : "20", secondFont()));
        Panel p{h};
        QVERIFY(h.dialogs.messages.isEmpty()); // no "font not found" for a missing name either
        QCOMPARE(p.swatch(), QColor(Qt::black));
        QCOMPARE(p.txtTamano()->text(), QStringLiteral("12"));
        QCOMPARE(p.sampleFont().pointSize(), 12);
        QCOMPARE(p.cboFuentes()->currentIndex(), 0);
    }

    void theBoxWritesAtOnceAndLeavingWithItClearWritesTheDefaults()
    {
        FormHarness<> h(keptFont(QStringLiteral("255"), QStringLiteral("20"), secondFont()));
        Panel p{h};
        QVERIFY(h.open(0));

        // Clearing: only "Activado" changes now.
        h.click(p.Check3());
        QVERIFY(!p.Check3()->isChecked());
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("0"));
        QCOMPARE(storedFont(h.context), (FontSettings::Stored{"255", "20", secondFont()}));

        // Setting: the current values are stored at once.
        h.type(p.txtTamano(), QStringLiteral("33"));
        h.click(p.Check3());
        QCOMPARE(storedFont(h.context), (FontSettings::Stored{"255", "33", secondFont()}));
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("1"));

        // The menu entry only sets the box; already set, it writes nothing.
        h.type(p.txtTamano(), QStringLiteral("44"));
        p.menu("mnuguardarconfig")->trigger();
        QCOMPARE(storedFont(h.context).size, QStringLiteral("33"));

        h.click(p.Check3());
        h.probe.setJobModified(false); // no question about the job on the way out
        h.w.close();
        QCOMPARE(storedFont(h.context), FontSettings::defaults());
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("0"));
    }

    void theMenuEntryKeepsTheFontWhenTheBoxIsClear()
    {
        FormHarness<> h;
        Panel p{h};
        h.dialogs.colors.enqueue(0x00FF00);
        p.menu("mnucolor")->trigger();
        p.menu("mnuguardarconfig")->trigger();
        QVERIFY(p.Check3()->isChecked());
        QCOMPARE(storedFont(h.context), (FontSettings::Stored{"65280", "12", p.cboFuentes()->itemText(0)}));
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("1"));
    }

    void editingTheFontMarksTheJobAndKeepsTheSampleInStep()
    {
        FormHarness<> h;
        Panel p{h};
        QVERIFY(h.open(0));

        h.probe.setJobModified(false);
        h.type(p.txtTamano(), QStringLiteral("40"));
        QVERIFY(h.probe.jobModified());
        QCOMPARE(p.sampleFont().pointSize(), 40);
        // Not a size: the sample keeps its size; the print run refuses it later.
        h.type(p.txtTamano(), QStringLiteral("x"));
        QCOMPARE(p.sampleFont().pointSize(), 40);

        h.probe.setJobModified(false);
        p.cboFuentes()->setCurrentText(secondFont());
        QVERIFY(h.probe.jobModified());
        QCOMPARE(p.sampleFont().family(), secondFont());

        // The dialog's colour counts however it closes: a cancelled dialog gives the last colour.
        h.probe.setJobModified(false);
        h.dialogs.colors.enqueue(0xFF0000); // blue
        QTest::mouseDClick(p.label("PicColor"), Qt::LeftButton);
        QVERIFY(h.probe.jobModified());
        QCOMPARE(p.swatch(), QColor(Qt::blue));
        QCOMPARE(p.sampleColor(), QColor(Qt::blue));
        QCOMPARE(h.w.fontColor(), 0xFF0000);
        p.menu("mnurestaurar")->trigger();
        QTest::mouseDClick(p.label("PicColor"), Qt::LeftButton);
        QCOMPARE(p.swatch(), QColor(Qt::blue));
    }

    void restoringBringsBackTheDefaults()
    {
        FormHarness<> h(keptFont(QStringLiteral("255"), QStringLiteral("20"), secondFont()));
        Panel p{h};
        QVERIFY(h.open(0));
        h.probe.setJobModified(false);
        h.click(h.w.findChild<QPushButton *>("cmdRestaurar"));
        QVERIFY(h.probe.jobModified());
        QVERIFY(!p.Check3()->isChecked());
        QCOMPARE(h.context.setting("Guardar", "Activado"), QStringLiteral("0"));
        QCOMPARE(p.swatch(), QColor(Qt::black));
        QCOMPARE(p.sampleColor(), QColor(Qt::black));
        QCOMPARE(p.txtTamano()->text(), QStringLiteral("12"));
        QCOMPARE(p.sampleFont().pointSize(), 12);
        QCOMPARE(p.cboFuentes()->currentIndex(), 0);
        // The stored font stays until the window closes.
        QCOMPARE(storedFont(h.context).color, QStringLiteral("255"));
    }

    void fontMenuEntriesShowTheCollapsedPanelFirst()
    {
        FormHarness<> h([](const AppContext &c) { c.setSetting("Formulario", "Ancho", "6125"); });
        Panel p{h};
        QVERIFY(h.open(0));
        QVERIFY(!h.probe.advancedAreaShown());

        p.menu("mnutama\u00f1o")->trigger();
        QVERIFY(h.probe.advancedAreaShown());
        QCOMPARE(h.w.Width(), frmPrincipal::kExpandedWidth);
        QTRY_VERIFY(p.txtTamano()->hasFocus());

        // Already shown: the entry does not collapse it again.
        p.menu("mnutipo")->trigger();
        QVERIFY(h.probe.advancedAreaShown());
        QTRY_VERIFY(p.cboFuentes()->hasFocus());

        h.click(h.w.findChild<QPushButton *>("Command4"));
        h.dialogs.colors.enqueue(255);
        p.menu("mnucolor")->trigger();
        QVERIFY(h.probe.advancedAreaShown());
        QCOMPARE(p.swatch(), QColor(Qt::red));
    }

    void aRunPrintsInTheChosenFontSizeAndColour()
    {
        const QString font = QStringLiteral("DejaVu Sans");
        if (!FontSettings::installedFamilies().contains(font))
            QSKIP("DejaVu Sans is not installed");
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        Panel p{h};
        QVERIFY(h.open(0));

        h.type("txtDesde", "0008");
        h.type("txtHasta", "0009");
        h.type("txtPosX_0", "1440"); // 72 pt
        h.type("txtPosY_0", "2000"); // 100 pt
        h.type(p.txtTamano(), "20");
        h.enter(p.cboFuentes());
        // Down the list with the arrow key, as a user without a mouse would.
        QTest::keyClick(p.cboFuentes(), Qt::Key_Home);
        for (int i = 0; i < p.cboFuentes()->count() && p.cboFuentes()->currentText() != font; ++i)
            QTest::keyClick(p.cboFuentes(), Qt::Key_Down);
        QCOMPARE(p.cboFuentes()->currentText(), font);
        h.dialogs.colors.enqueue(255);
        QTest::mouseDClick(p.label("PicColor"), Qt::LeftButton);
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));

        const PdfText pdf = PdfText::read(h.printer.lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 2);
        const PdfText::Word *word = pdf.pages[0].find("0008");
        QVERIFY(word);
        // A 20-point font: the word's box is about 1.16 em high.
        QVERIFY2(qAbs((word->yMax - word->yMin) - 20 * 1.16) < 3,
                 qPrintable(QString::number(word->yMax - word->yMin)));

        // The chosen font is the one embedded, not a fallback.
        QProcess fonts;
        fonts.start("pdffonts", {h.printer.lastPdfFile()});
        QVERIFY(fonts.waitForFinished());
        QVERIFY2(fonts.readAllStandardOutput().contains("DejaVuSans "), "DejaVu Sans not embedded");

        // Rendered at 72 dpi, one pixel is one point: the digits are red.
        const QImage image = PdfText::renderFirstPage(h.printer.lastPdfFile(), h.tmp.path("render"));
        QVERIFY(!image.isNull());
        const PdfText::Ink ink = PdfText::inkIn(image, *word);
        QVERIFY2(ink.red > 20, qPrintable(QString::number(ink.red)));
        QCOMPARE(ink.other, 0);
    }
};

QTEST_MAIN(TestFontPanel)
#include "tst_fontpanel.moc"
