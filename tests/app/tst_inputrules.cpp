#include "FormHarness.h"
#include "InputRules.h"

#include <QMenu>
#include <QMenuBar>

class TestInputRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberBoxesTakeDigitsOnly_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("page");
        for (const char *box : {"txtDesde", "txtHasta"})
            QTest::newRow(box) << box << 0;
        for (const char *box : {"desde_0", "hasta_0"})
            QTest::newRow(box) << box << 1;
    }
    void numberBoxesTakeDigitsOnly()
    {
        QFETCH(QString, box);
        QFETCH(int, page);
        FormHarness h;
        QVERIFY(h.open(page));
        QLineEdit *target = h.box(box);
        h.type(target, "12a3 -.+,4");
        QCOMPARE(target->text(), "1234");
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(target->text(), "123");
        QCOMPARE(QApplication::focusWidget(), target);

        // A character of code 0 moves on to the next control and leaves the text alone.
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(QChar(0)), Qt::NoModifier);
        QCOMPARE(target->text(), "123");
        QVERIFY(QApplication::focusWidget() != target);
    }

    void positionBoxesAreNotFiltered()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.type("posX_0", "1a.5");
        QCOMPARE(h.box("posX_0")->text(), "1a.5");
    }

    void positionsSwitchOnInOrder()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.click("Check1_2"); // position 1 is still off: the check goes back
        QVERIFY(h.check("Check1_2")->isChecked());
        QVERIFY(!h.enabled("txtPosX_2"));

        h.click("Check1_1");
        h.click("Check1_2");
        QVERIFY(!h.check("Check1_2")->isChecked());
        for (const char *box : {"txtPosX_1", "txtPosY_1", "txtPosX_2", "txtPosY_2"})
            QVERIFY2(h.enabled(box), box);

        // Switching a position off greys its own boxes only, and position 0's never.
        h.click("Check1_1");
        QVERIFY(!h.enabled("txtPosX_1") && !h.enabled("txtPosY_1"));
        QVERIFY(h.enabled("txtPosX_2"));
        h.click("Check1_0");
        QVERIFY(h.check("Check1_0")->isChecked());
        QVERIFY(h.enabled("txtPosX_0") && h.enabled("txtPosY_0"));
        QVERIFY(h.probe.jobModified());
    }

    void rowsSwitchOnInOrder()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        const QStringList row1{"posX_1", "posY_1", "desde_1", "hasta_1"};
        for (const QString &box : row1)
            QVERIFY(!h.enabled(box));
        h.click("Check2_1");
        for (const QString &box : row1)
            QVERIFY2(h.enabled(box), qPrintable(box));

        // The chain answers a box set by code as it answers a click.
        h.check("Check2_3")->setChecked(false);
        QVERIFY(h.check("Check2_3")->isChecked());
        h.check("Check2_1")->setChecked(true);
        for (const QString &box : row1)
            QVERIFY(!h.enabled(box));
    }

    void rowEndsFollowTheFirstRow()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.click("Check2_1");
        h.type("desde_0", "0001");
        h.type("hasta_0", "0101");
        h.type("desde_1", "0500");
        h.enter(h.box("hasta_1"));
        QCOMPARE(h.probe.firstRowSpan(), 100.0);
        QCOMPARE(h.box("hasta_1")->text(), "600");
        QCOMPARE(h.box("hasta_1")->selectedText(), "600");

        h.type("hasta_1", "0650");
        h.enter(h.box("posX_1"));
        QCOMPARE(h.dialogs.texts(), QStringList{InputRules::rowCountMismatch()});
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(h.box("hasta_1")->text(), "600");
        QTRY_COMPARE(QApplication::focusWidget(), h.box("hasta_1"));

        // A first row that counts down, or whose ends are equal, leaves the other rows' ends
        // alone and keeps the span it had.
        for (const char *lastOfFirstRow : {"0000", "0001"}) {
            h.dialogs.clear();
            h.type("hasta_0", lastOfFirstRow);
            h.type("hasta_1", "0650");
            h.enter(h.box("posX_1"));
            QCOMPARE(h.dialogs.texts(), QStringList{});
            QCOMPARE(h.box("hasta_1")->text(), "0650");
            QCOMPARE(h.probe.firstRowSpan(), 100.0);
        }
    }

    // Pasted ends so far apart that their difference is infinite: no row end is written from it.
    void anInfiniteFirstRowWritesNoEnd()
    {
        FormHarness h;
        QVERIFY(h.open(1));
        h.click("Check2_1");
        h.paste("desde_0", "-1e308");
        h.paste("hasta_0", "1e308");
        h.type("desde_1", "0500");
        h.enter(h.box("hasta_1"));
        QCOMPARE(h.box("hasta_1")->text(), "0000");

        h.type("hasta_1", "0650");
        h.enter(h.box("posX_1"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(h.box("hasta_1")->text(), "0650");
    }

    void positionsStayOnTheSheet_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("limit");    // empty: accepted
        QTest::addColumn<float>("scaleWidth"); // 0: twips
        QTest::newRow("at the limit") << "txtPosX_0"
                                      << "10906"
                                      << "10906" << 0.f;
        QTest::newRow("one below") << "txtPosX_0"
                                   << "10905"
                                   << "" << 0.f;
        QTest::newRow("empty") << "txtPosX_0"
                               << ""
                               << "10906" << 0.f;
        QTest::newRow("not a number") << "txtPosX_0"
                                      << "1x"
                                      << "10906" << 0.f;
        QTest::newRow("vertical") << "txtPosY_0"
                                  << "15900"
                                  << "15838" << 0.f;
        // The box takes five typed characters, but the limit the program writes arrives whole.
        QTest::newRow("limit with decimals") << "txtPosX_0"
                                             << "9999"
                                             << "3571.8" << 4571.8f;
    }
    void positionsStayOnTheSheet()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, limit);
        QFETCH(float, scaleWidth);
        FormHarness h;
        QVERIFY(h.open(0));
        if (scaleWidth > 0)
            h.printer.setUserScale(0, 0, scaleWidth, 16838);
        h.type(box, typed);
        if (typed.isEmpty())
            QTest::keyClick(h.box(box), Qt::Key_Backspace);
        h.enter(h.box("txtDesde"));
        if (limit.isEmpty()) {
            QCOMPARE(h.dialogs.texts(), QStringList{});
            QCOMPARE(h.box(box)->text(), typed);
            return;
        }
        const auto axis = box.startsWith("txtPosX") ? InputRules::Axis::X : InputRules::Axis::Y;
        QCOMPARE(h.dialogs.texts(), QStringList{InputRules::outOfAreaMessage(axis, limit)});
        QCOMPARE(h.box(box)->text(), limit);
        h.type(box, "1234567");
        QCOMPARE(h.box(box)->text(), "12345");
    }

    void goingToTheMenusIsNotLeavingTheBox()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        QWindow *window = h.w.windowHandle();
        const auto alt = [&] {
            QTest::keyClick(window, Qt::Key_Alt, Qt::AltModifier);
            QCoreApplication::processEvents();
        };

        // Alt alone: the menu bar takes the keys and gives them back; the box keeps its text.
        h.type("txtPosX_0", "99999");
        alt();
        QVERIFY(qobject_cast<QMenuBar *>(QApplication::focusWidget()));
        alt();
        QCOMPARE(QApplication::focusWidget(), h.box("txtPosX_0"));
        // Alt and a letter opens a menu; closing it comes back to the box.
        QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), h.box("txtPosX_0"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(h.box("txtPosX_0")->text(), "99999");
        // Going on from the menus to another box is leaving it.
        alt();
        QTest::mouseClick(h.box("txtDesde"), Qt::LeftButton);
        QCOMPARE(h.dialogs.texts(), QStringList{InputRules::outOfAreaMessage(InputRules::Axis::X, "10906")});
        QCOMPARE(h.box("txtPosX_0")->text(), "10906");

        // A row end that does not agree is neither corrected nor filled again.
        h.dialogs.clear();
        h.w.setAvailablePage(1);
        h.click("Check2_1");
        h.type("desde_0", "0001");
        h.type("hasta_0", "0101");
        h.type("desde_1", "0500");
        h.type("hasta_1", "0650");
        alt();
        alt();
        QCOMPARE(QApplication::focusWidget(), h.box("hasta_1"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(h.box("hasta_1")->text(), "0650");
    }

    void positionCheckNeedsAPrinter()
    {
        FormHarness h;
        QVERIFY(h.open(0));
        h.printer.setAvailable(false);
        h.type("txtPosX_0", "99999");
        h.enter(h.box("txtDesde"));
        QCOMPARE(h.dialogs.texts(), QStringList{});
        QCOMPARE(h.box("txtPosX_0")->text(), "99999");
    }

    void areaMessageWording()
    {
        QCOMPARE(InputRules::outOfAreaMessage(InputRules::Axis::X, "10906"),
                 "El valor introducido no está dentro del rango imprimible de la hoja. El máximo permitido "
                 "deberá ser (10906) aproximadamente dependiendo de la cantidad de números a imprimir y el "
                 "tamaño de fuente. ¡El valor en el campo (Pos. X) será ajustado automaticamente!");
    }
};

QTEST_MAIN(TestInputRules)
#include "tst_inputrules.moc"
