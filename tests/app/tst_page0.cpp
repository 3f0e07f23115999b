// The same-number page driven as a user would.
#include "RecordingSurface.h"
#include "RunMessages.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WindowProbe.h"
#include "frmPrincipal.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestPage0 : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestPaths tmp;
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{tmp.paths(), dialogs, printer};
        frmPrincipal window{context};

        Fixture()
        {
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        template <typename T = QLineEdit> T *get(const QString &name) { return window.findChild<T *>(name); }
        // Control `i` of an array: "txtPosX", 2 is txtPosX_2.
        template <typename T = QLineEdit> T *get(const char *array, int i)
        {
            return get<T>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i));
        }
        int page() { return get<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(); }
        bool jobModified() { return WindowProbe(window).jobModified(); }

        // Clicks into a box (which selects its text) and types over it.
        void typeInto(const QString &name, const QString &text)
        {
            auto *box = get(name);
            QTest::mouseClick(box, Qt::LeftButton);
            QTRY_VERIFY(box->hasFocus() && box->selectedText() == box->text());
            QTest::keyClicks(box, text);
        }
        QStringList printedNumbers() const
        {
            QStringList list;
            for (const auto &doc : printer.documents())
                for (const auto &page : doc.pages)
                    for (const auto &t : page.texts)
                        list << t.text;
            return list;
        }
    };

private Q_SLOTS:
    void aFreshWindowHasOnlyTheFirstPositionAndRowOn()
    {
        Fixture f;
        QCOMPARE(f.get(QStringLiteral("txtDesde"))->text(), QStringLiteral("0000"));
        QCOMPARE(f.get(QStringLiteral("txtHasta"))->text(), QStringLiteral("0001"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.get<QCheckBox>("Check1", i)->isChecked(), i != 0);
            QCOMPARE(f.get("txtPosX", i)->isEnabled(), i == 0);
            QCOMPARE(f.get("txtPosY", i)->isEnabled(), i == 0);
            QCOMPARE(f.get("txtPosX", i)->text(), QStringLiteral("0"));
            QCOMPARE(f.get("txtPosX", i)->maxLength(), 5);
            QCOMPARE(f.get<QCheckBox>("Check1", i)->toolTip(), QStringLiteral("Habilitar / desabilitar"));
        }
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.get<QCheckBox>("Check2", i)->isChecked(), i != 0);
            QCOMPARE(f.get("desde", i)->isEnabled(), i == 0);
            QCOMPARE(f.get("hasta", i)->isEnabled(), i == 0);
        }
        QVERIFY(!f.get<QCheckBox>(QStringLiteral("chVert"))->isChecked());
        QCOMPARE(f.get<QPushButton>(QStringLiteral("cmdImprimir"))->text(), QStringLiteral("&Imprimir"));
        QCOMPARE(f.get<QAction>(QStringLiteral("archImprimir"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(f.page(), 0);
        QVERIFY(!f.jobModified());
    }

    void typingARangeAndPrinting()
    {
        Fixture f;
        f.typeInto(QStringLiteral("txtDesde"), QStringLiteral("0098"));
        QVERIFY(f.jobModified());
        f.typeInto(QStringLiteral("txtHasta"), QStringLiteral("0100"));
        f.typeInto(QStringLiteral("txtPosX_0"), QStringLiteral("720"));
        f.typeInto(QStringLiteral("txtPosY_0"), QStringLiteral("360"));
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.printedNumbers(), (QStringList{"0098", "0099", "0100"}));
        const auto &first = f.printer.documents()[0].pages[0].texts[0];
        QCOMPARE(first.positionTwips, QPointF(720, 360));
        QCOMPARE(first.fontSize, 12.f);
        QVERIFY(f.printer.documents()[0].ended);
    }

    void differentWidthsPutTheFocusOnTheEndBox()
    {
        Fixture f;
        f.typeInto(QStringLiteral("txtDesde"), QStringLiteral("5"));
        f.typeInto(QStringLiteral("txtHasta"), QStringLiteral("0005"));
        f.get(QStringLiteral("txtDesde"))->setFocus();
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        QCOMPARE(f.dialogs.texts(), QStringList{RunMessages::digits()});
        auto *hasta = f.get(QStringLiteral("txtHasta"));
        QTRY_VERIFY(hasta->hasFocus());
        QCOMPARE(hasta->selectedText(), QStringLiteral("0005"));
        QVERIFY(f.printer.documents().empty());
    }

    void theMenuEntryPrintsPageZeroFromEitherPage()
    {
        Fixture f;
        f.window.setAvailablePage(1);
        QCOMPARE(f.page(), 1);
        QCOMPARE(f.context.setting(QStringLiteral("Solapa"), QStringLiteral("sstab1")), QStringLiteral("1"));
        QTRY_VERIFY(f.get("desde", 0)->hasFocus());
        QTest::keyClick(&f.window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.printedNumbers(), (QStringList{"0000", "0001"}));
        f.window.setAvailablePage(0);
        QCOMPARE(f.page(), 0);
        QCOMPARE(f.context.setting(QStringLiteral("Solapa"), QStringLiteral("sstab1")), QStringLiteral("0"));
        QTRY_VERIFY(f.get(QStringLiteral("txtDesde"))->hasFocus());
    }

    void badInputAnswersWithMessages()
    {
        Fixture f;
        // Pasted text is not filtered like typed text.
        f.get(QStringLiteral("txtDesde"))->setText(QStringLiteral("12ab"));
        f.get(QStringLiteral("txtHasta"))->setText(QStringLiteral("0020"));
        f.get(QStringLiteral("txtTamaño"))->setText(QString());
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        QCOMPARE(f.dialogs.texts(), QStringList{RunMessages::notNumeric()});

        f.dialogs.clear();
        f.get(QStringLiteral("txtTamaño"))->setText(QStringLiteral("12"));
        f.get<QCheckBox>("Check1", 0)->setChecked(true);
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        QCOMPARE(f.dialogs.texts(), QStringList{RunMessages::allOff()});

        f.dialogs.clear();
        f.get<QCheckBox>("Check1", 0)->setChecked(false);
        f.printer.setAvailable(false);
        f.get(QStringLiteral("txtDesde"))->setText(QStringLiteral("0001"));
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdImprimir")), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].icon, Dialogs::Icon::None);
    }

    void orientationBoxesActOnThePrinterAtOnce()
    {
        Fixture f;
        auto *chVert = f.get<QCheckBox>(QStringLiteral("chVert"));
        auto *chVert2 = f.get<QCheckBox>(QStringLiteral("chVert2"));
        QTest::mouseClick(chVert, Qt::LeftButton);
        QCOMPARE(f.printer.orientation(), 2);
        QVERIFY(chVert->font().bold());
        QVERIFY(f.jobModified());
        chVert2->setChecked(true);
        chVert2->setChecked(false);
        // The last change wins, although chVert is still checked.
        QCOMPARE(f.printer.orientation(), 1);
        QVERIFY(chVert->isChecked());
        QVERIFY(!chVert2->font().bold());

        f.printer.setAvailable(false);
        QTest::mouseClick(chVert, Qt::LeftButton); // no printer: ignored
        QVERIFY(!chVert->isChecked());
    }

    void cancelClosesTheWindow()
    {
        Fixture f;
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("CmdCancelar")), Qt::LeftButton);
        QVERIFY(!f.window.isVisible());
    }
};

QTEST_MAIN(TestPage0)
#include "tst_page0.moc"
