#include "BulkEdit.h"
#include "DocumentCommands.h"
#include "FormHarness.h"
#include "RunMessages.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

class TestBulkEdit : public QObject
{
    Q_OBJECT

    // Positions 1 and 2 and row 1 switched on, both pages in landscape.
    template <typename H> static void startFromAMixedJob(H &h)
    {
        QVERIFY(h.open(0));
        h.click("Check1_1");
        h.click("Check1_2");
        h.click("chVert");
        h.w.setAvailablePage(1);
        h.click("Check2_1");
        h.click("chVert2");
        QCOMPARE(h.printer.orientation(), PrinterSurface::Landscape);
    }

    static QAction *toolsEntry(QWidget &w, const char *name)
    {
        auto *action = w.findChild<QAction *>(name);
        return w.findChild<QMenu *>("mnuherramientas")->actions().contains(action) ? action : nullptr;
    }

private Q_SLOTS:
    void checkAllConfirmed()
    {
        FormHarness h;
        startFromAMixedJob(h);
        h.dialogs.answers << Dialogs::Yes;
        toolsEntry(h.w, "mnuChecktodo")->trigger();

        QCOMPARE(h.dialogs.texts(), QStringList{BulkEdit::checkAllQuestion()});
        QCOMPARE(h.dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Information);
        for (const BulkEdit::Box &box : BulkEdit::checkOrder())
            if (!box.name().startsWith("chVert"))
                QVERIFY2(h.check(box.name())->isChecked(), qPrintable(box.name()));
        QVERIFY(!h.check("chVert")->isChecked() && !h.check("chVert2")->isChecked());
        QCOMPARE(h.printer.orientation(), PrinterSurface::Portrait);

        // Row 1's boxes are greyed; positions that were on keep theirs, because the position
        // before was already off when their turn came. Position 0 and row 0 always stay usable.
        for (const char *box : {"posX_1", "posY_1", "desde_1", "hasta_1", "txtPosX_3", "txtPosY_5"})
            QVERIFY2(!h.enabled(box), box);
        for (const char *box : {"txtPosX_0", "txtPosY_0", "desde_0", "hasta_0", "txtPosX_1", "txtPosY_2"})
            QVERIFY2(h.enabled(box), box);

        h.dialogs.clear();
        h.w.findChild<QAction *>("archImprimir")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{RunMessages::allOff()});
    }

    void checkAllRefused()
    {
        FormHarness h;
        startFromAMixedJob(h);
        h.dialogs.answers << Dialogs::No;
        toolsEntry(h.w, "mnuChecktodo")->trigger();

        QVERIFY(!h.check("Check3")->isChecked());
        QVERIFY(!h.check("Check2_0")->isChecked() && !h.check("Check2_1")->isChecked());
        QVERIFY(!h.check("Check1_2")->isChecked() && h.check("Check1_3")->isChecked());
        QVERIFY(!h.check("chVert")->isChecked() && !h.check("chVert2")->isChecked());
        QCOMPARE(h.printer.orientation(), PrinterSurface::Portrait);
        QVERIFY(h.enabled("desde_1"));
    }

    void clearBoxes()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.click("Check2_1");
        h.type("desde_1", "0500");
        h.type("posX_1", "7");
        h.probe.setJobModified(false);

        h.dialogs.answers << Dialogs::No;
        toolsEntry(h.w, "mnuLimpiarTodo")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{BulkEdit::clearQuestion()});
        QCOMPARE(h.box("desde_1")->text(), "0500");
        QVERIFY(!h.probe.jobModified());

        h.dialogs.answers << Dialogs::Yes;
        toolsEntry(h.w, "mnuLimpiarTodo")->trigger();
        QCOMPARE(h.box("txtDesde")->text(), "0000");
        QCOMPARE(h.box("txtHasta")->text(), "0000");
        for (int i = 0; i < 6; ++i)
            QCOMPARE(h.box(QStringLiteral("txtPosY_%1").arg(i))->text(), "0");
        for (const char *box : {"desde_1", "hasta_3", "posX_1", "posY_0"})
            QCOMPARE(h.box(box)->text(), "0");
        QVERIFY(!h.check("Check2_1")->isChecked());
        QVERIFY(h.probe.jobModified());
    }

    // A new job checks and clears every box without asking first.
    void aNewJobAsksNothing()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.w.documentCommands().busyMilliseconds = 0;
        h.type("txtHasta", "0005");
        h.probe.setJobModified(false); // no question about saving the job first
        h.w.findChild<QAction *>("mnuNueMismo")->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QVERIFY(h.check("Check1_0")->isChecked());
        QCOMPARE(h.box("txtHasta")->text(), "0000");
    }

    void cancelClosesTheWindow()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.click(h.w.findChild<QPushButton *>("Command7"));
        QVERIFY(!h.w.isVisible());
    }
};

QTEST_MAIN(TestBulkEdit)
#include "tst_bulkedit.moc"
