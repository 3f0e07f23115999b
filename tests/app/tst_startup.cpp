// From the first paint of the start-up window to the main window on screen.
#include "RecordingSurface.h"
#include "RuntimeError.h"
#include "ScriptedDialogs.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "TestPaths.h"
#include "frmIni.h"
#include "frmPrincipal.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theSplashIsBorderlessAndStartsTheProgramOnce()
    {
        frmIni splash;
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.size(), QSize(300, 200));
        QSignalSpy started(&splash, &frmIni::firstPainted);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        splash.repaint();
        splash.repaint();
        QTRY_COMPARE(started.count(), 1);
        QTest::qWait(50);
        QCOMPARE(started.count(), 1);
        // The picture is the program's own, not a blank window.
        const QImage shot = splash.grab().toImage();
        QVERIFY(shot.pixelColor(150, 10) != shot.pixelColor(30, 121));
    }

    void theFirstInstanceShowsTheMainWindowAndHidesTheSplash()
    {
        TestPaths tmp;
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{tmp.paths(), dialogs, printer};
        SingleInstance instance(tmp.paths().lockFolder);
        StartUp startUp(context, instance, QString());
        frmIni splash;
        splash.show();
        QVERIFY(startUp.run(&splash));
        QVERIFY(startUp.mainWindow() && startUp.mainWindow()->isVisible());
        QVERIFY(!splash.isVisible());
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(instance.isHeld());

        // The first box has the keyboard: a digit typed at once lands in it.
        frmPrincipal *main = startUp.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto *txtDesde = main->findChild<QLineEdit *>(QStringLiteral("txtDesde"));
        QTRY_COMPARE(QApplication::focusWidget(), txtDesde);
        QTRY_COMPARE(txtDesde->selectedText(), QStringLiteral("0000"));
        QTest::keyClick(main->windowHandle(), Qt::Key_7);
        QCOMPARE(txtDesde->text(), QStringLiteral("7"));
    }

    void aSecondInstanceSaysSoAndLeavesTheFirstAlone()
    {
        TestPaths tmp;
        SingleInstance first(tmp.paths().lockFolder);
        QVERIFY(first.tryAcquire());

        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{tmp.paths(), dialogs, printer};
        SingleInstance second(tmp.paths().lockFolder);
        StartUp startUp(context, second, QString());
        frmIni splash;
        splash.show();
        QVERIFY(!startUp.run(&splash));
        QCOMPARE(startUp.outcome(), StartUp::Outcome::AlreadyRunning);
        QCOMPARE(StartUp::exitStatus(startUp.outcome()), 0);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Ya se está ejecutando una versión de este programa"));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Tessarino "));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Information);
        QCOMPARE(dialogs.messages[0].buttons, Dialogs::Buttons::Ok);
        QVERIFY(!startUp.mainWindow());
        QVERIFY(first.isHeld());
        QVERIFY(!second.isHeld());

        // Once the first one ends, the program starts normally.
        first.release();
        QVERIFY(startUp.run(&splash));
    }

    // It used to end the program with status 0 and not a word.
    void aMainWindowThatCannotBeBuiltSaysWhyAndFails()
    {
        TestPaths tmp;
        ScriptedDialogs dialogs;
        RecordingSurface printer;
        AppContext context{tmp.paths(), dialogs, printer};
        SingleInstance instance(tmp.paths().lockFolder);
        StartUp startUp(context, instance, QString(), [](AppContext &) -> std::unique_ptr<frmPrincipal> {
            throw RuntimeError(7, QStringLiteral("Memoria insuficiente"));
        });
        frmIni splash;
        splash.show();
        QVERIFY(!startUp.run(&splash));
        QCOMPARE(startUp.outcome(), StartUp::Outcome::Failed);
        QVERIFY(StartUp::exitStatus(startUp.outcome()) != 0);
        QVERIFY(!startUp.mainWindow());
        QVERIFY(!splash.isVisible());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("No se pudo abrir la ventana principal: Memoria insuficiente (7)"));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
