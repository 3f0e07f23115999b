// The status row: the help for the control under the pointer, and the clock.
#include "FormHarness.h"
#include "StatusHelp.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>

namespace {

const QString kPosX3 = QStringLiteral(" Coordenada horizontal dónde se imprimirá el 3° número");
const QString kSmallSample = QStringLiteral(" Muestra de opciones seleccionadas");
const QString kBigSample = QStringLiteral(" Doble click aquí para ver la muestra completa.");
const QString kExpand = QStringLiteral(" Desplegar opciones avanzadas");
const QString kCollapse = QStringLiteral(" Contraer opciones avanzadas");

} // namespace

class TestStatusRow : public QObject
{
    Q_OBJECT

    struct Fixture : FormHarness<>
    {
        using FormHarness<>::FormHarness;
        QLabel *lblEstado() { return w.findChild<QLabel *>(QStringLiteral("lblEstado")); }
        QString hover(QWidget *target, QPoint at = {})
        {
            if (at.isNull())
                at = target->rect().center();
            // Qt drops a move to where the pointer already is: come from one pixel aside.
            QTest::mouseMove(target, at + QPoint(1, 0));
            QTest::mouseMove(target, at);
            QCoreApplication::processEvents();
            return lblEstado()->text();
        }
        QString hover(const QString &name) { return hover(w.findChild<QWidget *>(name)); }
    };

private Q_SLOTS:
    void aPositionBoxThenTheBareWindow()
    {
        Fixture f;
        QVERIFY(f.open(0));
        // The third position is off (greyed) in a new job; its help shows all the same.
        QCOMPARE(f.hover(f.box("txtPosX_2")), kPosX3);

        QWidget *surface = f.w.centralWidget();
        const QPoint bare(397, 100); // between the tab control and the font frame
        QVERIFY(!surface->childAt(bare));
        QCOMPARE(f.hover(surface, bare), QString());

        QCOMPARE(f.hover(f.box("txtPosY_5")),
                 QStringLiteral(" Coordenada vertical dónde se imprimirá el 6° número"));
        QCOMPARE(f.hover(f.w.findChild<QTabWidget *>("SSTab1")->tabBar()), QString());
    }

    void controlsWithoutHelpLeaveTheLastText()
    {
        Fixture f;
        QVERIFY(f.open(0));
        QCOMPARE(f.hover("txtDesde"), QStringLiteral(" Ingrese aquí el numero inicial a imprimir."));
        QCOMPARE(f.hover("Label1_0"), QStringLiteral(" Ingrese aquí el numero inicial a imprimir."));
        QCOMPARE(f.hover("Frame2"), QStringLiteral(" Ingrese aquí el numero inicial a imprimir."));
        QCOMPARE(f.hover("cboFuentes"), QStringLiteral(" Ingrese aquí el numero inicial a imprimir."));
    }

    void everyKindOfControlShowsItsHelp()
    {
        Fixture f;
        QVERIFY(f.open(1));
        // Buttons, check boxes, labels and boxes of the second page and the font panel.
        QCOMPARE(f.hover("Command6"), QStringLiteral(" Imprimir los valores actuales"));
        QCOMPARE(f.hover("Command7"), QStringLiteral(" Dejar todo como está y cerrar el programa."));
        QCOMPARE(f.hover("Check2_1"), QStringLiteral(" Habilitar / desabilitar opción de imprimir"));
        QCOMPARE(f.hover("hasta_3"), QStringLiteral(" Ingrese aquí el valor final a imprimir."));
        QCOMPARE(f.hover("posX_0"), QStringLiteral(" Coordenada horizontal del número a imprimir"));
        QCOMPARE(f.hover("PicColor"), QStringLiteral(" Color de fuente actual. Doble click para cambiarlo"));
        QCOMPARE(f.hover("txtTamaño"), QStringLiteral(" Tamaño de fuente actual."));
        QCOMPARE(f.hover("cmdRestaurar"), QStringLiteral(" Restaurar a los valores originales"));
        QCOMPARE(f.hover("lblHora"), QStringLiteral(" Hora actual de su sistema"));
        QCOMPARE(f.hover("lblEstado"), QStringLiteral(" Aquí aparecerá la ayuda sobre cada objeto."));
        auto *page = f.w.findChild<QWidget *>("tabDistinto");
        const QPoint bare(20, page->height() - 8); // below the rows, beside the buttons
        QVERIFY(!page->childAt(bare));
        QCOMPARE(f.hover(page, bare), QString());

        // A move delivered straight to a control, as another window's code might send it.
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(f.w.findChild<QWidget *>("desde_2"), &move);
        QCOMPARE(f.lblEstado()->text(), QStringLiteral(" Ingrese aquí el valor inicial a imprimir"));
    }

    void theSampleInvitesADoubleClickFrom30()
    {
        Fixture f;
        QVERIFY(f.open(0));
        QLabel *sample = f.w.findChild<QLabel *>("Label6");
        f.type("txtTamaño", "29");
        QCOMPARE(f.hover(sample), kSmallSample);
        f.type("txtTamaño", "30");
        QCOMPARE(f.hover(sample), kBigSample);
        f.box("txtTamaño")->clear();
        QCOMPARE(f.hover(sample), kSmallSample);
    }

    void theExpandButtonNamesWhatItWillDo()
    {
        Fixture f([](const AppContext &c) { c.setSetting("Formulario", "Ancho", "6125"); });
        QVERIFY(f.open(0));
        auto *button = f.w.findChild<QPushButton *>("Command4");
        QCOMPARE(f.hover(button), kExpand);
        f.click(button);
        QCOMPARE(f.hover(button), kCollapse);
        f.click(button);
        QCOMPARE(f.hover(button), kExpand);

        // The built-in width is neither of the two the button sets.
        Fixture builtIn;
        QVERIFY(builtIn.open(0));
        QCOMPARE(builtIn.w.Width(), frmPrincipal::kBuiltInWidth);
        QCOMPARE(builtIn.hover("Command4"), kExpand);
    }

    void theClockShowsTheTimeWithoutItsZone_data()
    {
        // The row's name is the locale. Hours, minutes and seconds in the locale's own way; the
        // zone and its brackets are gone.
        QTest::addColumn<QString>("shown");
        QTest::newRow("es_ES") << QStringLiteral("6:59:43");
        QTest::newRow("es_AR") << QStringLiteral("06:59:43");
        QTest::newRow("ca_ES") << QStringLiteral("6:59:43");
        QTest::newRow("en_US") << QStringLiteral("6:59:43 AM");
        QTest::newRow("de_DE") << QStringLiteral("06:59:43");
        QTest::newRow("fr_FR") << QStringLiteral("06:59:43");
        QTest::newRow("fa_IR") << QStringLiteral("\u06F6:\u06F5\u06F9:\u06F4\u06F3");
    }
    void theClockShowsTheTimeWithoutItsZone()
    {
        QFETCH(QString, shown);
        const QLocale locale(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(StatusHelp::clockText(QTime(6, 59, 43), locale).replace(QChar(0x202F), u' '), shown);
    }

    void noLocaleLeavesARemnantOfTheZone()
    {
        const QTime time(6, 59, 43);
        for (const QLocale &locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString text = StatusHelp::clockText(time, locale);
            const QString zone = locale.toString(time, QStringLiteral("t"));
            QVERIFY2(!text.contains(zone) && !text.contains(u'(') && !text.contains(u'[') &&
                         !text.endsWith(u',') && text == text.trimmed(),
                     qPrintable(locale.name() + ": " + text));
        }
    }

    void theClockTicks()
    {
        Fixture f;
        auto *clock = f.w.findChild<QLabel *>("lblHora");
        const QString shown = clock->text();
        QVERIFY(!shown.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(clock->text() != shown, 1500);
    }
};

QTEST_MAIN(TestStatusRow)
#include "tst_statusrow.moc"
