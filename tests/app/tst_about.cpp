// The about box: its credits start after five seconds, scroll up and come round again, and stop
// however the box is closed; the system-information button.
#include "CreditsScroll.h"
#include "FormHarness.h"
#include "PressImage.h"
#include "Version.h"
#include "cRegistro.h"
#include "frmAbout.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theBoxShowsTheProductAndStartsTheCreditsAfterFiveSeconds()
    {
        FormHarness<> h;
        QElapsedTimer open;
        open.start();
        frmAbout box(h.context, &h.w);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.windowTitle(), QStringLiteral("Vireo y Trazo"));
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Versión " TESSARINO_VERSION));
        QVERIFY(frmAbout::credits().contains(QStringLiteral("\r\nVersión: " TESSARINO_VERSION "\r\n")));
        QCOMPARE(frmAbout::credits().split(QStringLiteral("\r\n")).size(), 25);
        auto *scroll = box.findChild<CreditsScroll *>(QStringLiteral("picScroll"));
        auto *timer = box.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(!scroll->isVisible());

        // After five seconds the text enters from below the visible area and moves up.
        QTRY_VERIFY_WITH_TIMEOUT(scroll->isVisible(), 8000);
        QVERIFY(open.elapsed() >= 4900);
        QVERIFY(!timer->isActive());
        QCOMPARE(scroll->size(), QSize(357, 151));
        QVERIFY(scroll->textRect().top() >= 149);
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY(scroll->textRect().top() <= 141);
        // No faster than one pixel per 31 ms.
        QVERIFY(clock.elapsed() >= 10 * CreditsScroll::kFrameMs - 20);

        // Once the last line has left the top, the text comes in from the bottom again.
        scroll->stop();
        const int height = scroll->textHeight();
        QVERIFY(height > 25 * 10);
        for (int top = scroll->textRect().top(); top > -height; --top)
            scroll->step();
        QCOMPARE(scroll->textRect().top(), -height); // the last line just left the top
        scroll->step();
        QCOMPARE(scroll->textRect().top(), 151);
    }

    void everyWayOfClosingStopsTheCredits_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Aceptar") << "cmdOK";
        QTest::newRow("Image2") << "Image2";
        QTest::newRow("Escape") << "escape";
    }

    void everyWayOfClosingStopsTheCredits()
    {
        QFETCH(QString, way);
        FormHarness<> h;
        QVERIFY(h.open(0));
        auto *menu = h.w.findChild<QAction *>(QStringLiteral("mnuAcerca"));
        QVERIFY(menu->isEnabled());
        QPointer<frmAbout> seen;
        bool runningWhenClosed = true;
        bool pressedLook = false;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            QVERIFY(seen);
            auto *scroll = seen->findChild<CreditsScroll *>(QStringLiteral("picScroll"));
            QTest::mouseDClick(seen->findChild<PressImage *>(QStringLiteral("picIcon")), Qt::LeftButton);
            QVERIFY(scroll->running());
            QTest::qWait(100);
            if (way == QLatin1String("cmdOK")) {
                QTest::mouseClick(seen->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
            } else if (way == QLatin1String("Image2")) {
                auto *image = seen->findChild<PressImage *>(QStringLiteral("Image2"));
                QTest::mousePress(image, Qt::LeftButton);
                pressedLook = seen->findChild<QLabel *>(QStringLiteral("Image1"))->isVisible();
                QTest::mouseRelease(image, Qt::LeftButton);
            } else {
                QTest::keyClick(seen, Qt::Key_Escape);
            }
            runningWhenClosed = scroll->running();
        });
        menu->trigger(); // returns once the box has closed
        QVERIFY(!runningWhenClosed);
        QVERIFY(way != QLatin1String("Image2") || pressedLook);
        QVERIFY(!seen || seen->stopped());
        QVERIFY(!QApplication::activeModalWidget());
        // The main window answers at once.
        h.type(h.box(QStringLiteral("txtDesde")), QStringLiteral("12"));
        QCOMPARE(h.box(QStringLiteral("txtDesde"))->text(), QStringLiteral("12"));
    }

    void systemInformationWithoutAToolSaysSo()
    {
        FormHarness<> h;
        frmAbout box(h.context);
        box.setToolSearchPath({h.tmp.path(QStringLiteral("no-tools"))});
        box.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        // The store's first entry naming a program that is not there fails the same way.
        QVERIFY(cRegistro(h.context.paths.registryStore)
                    .SetValue(cRegistro::HKEY_LOCAL_MACHINE,
                              QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                              QStringLiteral("PATH"), h.tmp.path(QStringLiteral("msinfo32")),
                              cRegistro::TIPO_STRING));
        box.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(h.dialogs.texts(), QStringList(2, frmAbout::noSysInfo()));
        QCOMPARE(h.dialogs.messages[0].title, QStringLiteral("Tessarino"));
        QCOMPARE(h.dialogs.messages[0].icon, Dialogs::Icon::None);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
