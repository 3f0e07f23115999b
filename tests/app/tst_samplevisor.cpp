// The full-size sample viewer opened by a double click on the sample.
#include "CodeReader.h"
#include "DesignPdfs.h"
#include "FormHarness.h"
#include "frmFormatos.h"
#include "frmVisor.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <functional>

namespace {

// What the test saw of the viewer while it was open.
struct Seen
{
    bool opened = false;
    QString text;
    int pointSize = 0;
    QString family;
    QColor ink, paper, band;
    QRect frame, label;
    bool openAfterMoveOverDigits = false;
    bool closedByMoveOverBand = false;
};

} // namespace

class TestSampleVisor : public QObject
{
    Q_OBJECT

    struct Fixture : FormHarness<>
    {
        using FormHarness<>::FormHarness;
        QLabel *Label6() { return w.findChild<QLabel *>(QStringLiteral("Label6")); }

        // Double-clicks the sample; `whileOpen` runs once the modal viewer shows. A viewer left
        // open is closed after a while, so a failing check cannot hang the test.
        void doubleClickSample(const std::function<void(frmVisor *)> &whileOpen)
        {
            const auto openViewer = [] {
                return qobject_cast<frmVisor *>(QApplication::activeModalWidget());
            };
            QTimer poll;
            poll.setInterval(10);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (frmVisor *visor = openViewer(); visor && visor->isVisible()) {
                    poll.stop();
                    whileOpen(visor);
                }
            });
            QTimer giveUp;
            giveUp.setSingleShot(true);
            QObject::connect(&giveUp, &QTimer::timeout, [&] {
                if (frmVisor *visor = openViewer())
                    visor->reject();
            });
            poll.start();
            giveUp.start(5000);
            QTest::mouseDClick(Label6(), Qt::LeftButton);
        }

        Seen look()
        {
            Seen seen;
            doubleClickSample([&seen](frmVisor *v) {
                seen.opened = true;
                seen.text = v->Label1->text();
                seen.pointSize = v->Label1->font().pointSize();
                seen.family = v->Label1->font().family();
                const QImage shot = v->grab().toImage();
                seen.band = shot.pixelColor(1, 1);
                seen.paper = shot.pixelColor(v->Label1->geometry().topLeft() + QPoint(1, 1));
                seen.ink = v->Label1->palette().color(QPalette::WindowText);
                seen.frame = v->frameGeometry();
                seen.label = v->Label1->geometry();

                QTest::mouseMove(v->Label1, v->Label1->rect().center());
                QCoreApplication::processEvents();
                seen.openAfterMoveOverDigits = v->isVisible();
                QTest::mouseMove(v, QPoint(1, 1));
                QCoreApplication::processEvents();
                seen.closedByMoveOverBand = !v->isVisible();
            });
            return seen;
        }
    };

private Q_SLOTS:
    void theJobsTemplateLiesUnderTheDigits()
    {
        Fixture f;
        QVERIFY(f.open(0));
        f.type("txtTamaño", "40");
        QCOMPARE(f.look().paper, QColor(Qt::white));
        // The design's black corner box at its size on screen, under the digits' top-left.
        f.printer.setPdfTemplate(PdfTemplate{DesignPdfs::withBleed(f.tmp.path("diseno.pdf")), 1});
        QCOMPARE(f.look().paper, QColor(Qt::black));
    }

    void opensFrom28PointsOnly()
    {
        Fixture f;
        QVERIFY(f.open(0));
        f.type("txtTamaño", "27");
        QVERIFY(!f.look().opened);
        QVERIFY(!f.w.findChild<frmVisor *>());

        f.type("txtTamaño", "28");
        const Seen seen = f.look();
        QVERIFY(seen.opened);
        QCOMPARE(seen.text, QStringLiteral("01234"));
        QCOMPARE(seen.pointSize, 28);
        QCOMPARE(seen.family, f.Label6()->font().family());
        QVERIFY(seen.openAfterMoveOverDigits);
        QVERIFY(seen.closedByMoveOverBand);
        // It lives only while shown.
        QVERIFY(!f.w.findChild<frmVisor *>());
    }

    // The viewer shows the sample as the page's first printed place prints it.
    void showsTheSampleInTheFirstPlacesLook_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");    // the label's
        QTest::addColumn<QString>("decoded"); // the picture's
        QTest::newRow("text") << int(NumberLook::Format::Text) << "Nº 01234 -A"
                              << "";
        QTest::newRow("QR") << int(NumberLook::Format::QR) << ""
                            << "QRCode:Nº 01234 -A";
        QTest::newRow("Code 128, bad prefix") << int(NumberLook::Format::Code128) << "01234"
                                              << "";
    }

    void showsTheSampleInTheFirstPlacesLook()
    {
        QFETCH(int, format);
        QFETCH(QString, text);
        QFETCH(QString, decoded);
        Fixture f;
        QVERIFY(f.open(0));
        f.type("txtTamaño", "28");
        f.w.findChild<frmFormatos *>()->same[0].show({NumberLook::Format(format), "Nº ", " -A", "25"});
        QString label;
        QStringList codes;
        f.doubleClickSample([&](frmVisor *v) {
            label = v->Label1->text();
            for (const CodeReader::Code &c : CodeReader::decode(v->Label1->pixmap().toImage()))
                codes << c.format + u':' + c.text;
            v->reject();
        });
        QCOMPARE(label, text);
        QCOMPARE(codes.join(u' '), decoded);
    }

    void aRedSampleShowsRedDigitsOnWhiteInARedFrame()
    {
        Fixture f([](const AppContext &c) {
            c.setSetting("Fuentes", "Color", "255");
            c.setSetting("Fuentes", "Tamaño", "40");
            c.setSetting("Fuentes", "Indice", "-1");
            c.setSetting("Guardar", "Activado", "1");
        });
        QVERIFY(f.open(0));
        const Seen seen = f.look();
        QVERIFY(seen.opened);
        QCOMPARE(seen.pointSize, 40);
        QCOMPARE(seen.ink, QColor(Qt::red));
        QCOMPARE(seen.paper, QColor(Qt::white));
        QCOMPARE(seen.band, QColor(Qt::red));
        // The band goes all round the digits.
        QVERIFY(seen.label.left() > 0 && seen.label.top() > 0);
        QVERIFY(seen.label.right() < seen.frame.width() - 1 && seen.label.bottom() < seen.frame.height() - 1);
    }

    void aClickOnTheDigitsCloses()
    {
        Fixture f;
        QVERIFY(f.open(0));
        f.type("txtTamaño", "30");
        bool closed = false;
        f.doubleClickSample([&closed](frmVisor *v) {
            QTest::mouseClick(v->Label1, Qt::LeftButton);
            closed = !v->isVisible();
        });
        QVERIFY(closed);
    }

    void isCentredOnThePointOfTheMainWindowsSize()
    {
        Fixture f;
        QVERIFY(f.open(0));
        const QRect screen = f.w.screen()->availableGeometry();

        // Small enough to fit: centred on the point (main window width, main window height).
        f.type("txtTamaño", "28");
        const Seen small = f.look();
        const QPoint corner(f.w.Width() / 15, f.w.frameGeometry().height());
        QVERIFY2(
            (small.frame.center() - corner).manhattanLength() <= 3,
            qPrintable(QStringLiteral("%1,%2").arg(small.frame.center().x()).arg(small.frame.center().y())));

        QVERIFY(screen.contains(small.frame));
    }

    void placementKeepsTheViewerOnTheMainWindowsScreen()
    {
        const QSize owner(8850, 4425); // 590 x 295 pixels
        const QRect wide(0, 0, 1920, 1080);
        QCOMPARE(frmVisor::placement({120, 50}, owner, wide), QPoint(530, 270));
        // Past the right edge of a small screen: pulled left until it fits.
        QCOMPARE(frmVisor::placement({400, 300}, owner, QRect(0, 0, 640, 480)), QPoint(240, 145));
        // Past the bottom edge.
        QCOMPARE(frmVisor::placement({100, 400}, owner, QRect(0, 0, 1024, 480)), QPoint(540, 80));
        // The main window on a second screen: the viewer goes there, not onto the first.
        QCOMPARE(frmVisor::placement({120, 50}, owner, QRect(1920, 0, 1280, 1024)), QPoint(1920, 270));
        // Larger than the screen: its top-left corner stays visible.
        QCOMPARE(frmVisor::placement({900, 700}, owner, QRect(0, 0, 640, 480)), QPoint(0, 0));
    }
};

QTEST_MAIN(TestSampleVisor)
#include "tst_samplevisor.moc"
