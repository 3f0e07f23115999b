// The main window's creation, stored width and page, expand/collapse and unload.
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WindowProbe.h"
#include "frmPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Settings are written first, then the window is created over them.
struct Opened
{
    TestPaths tmp;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    AppContext context{tmp.paths(), dialogs, printer};
    std::unique_ptr<frmPrincipal> window;

    explicit Opened(std::initializer_list<std::tuple<QString, QString, QString>> settings = {})
    {
        for (const auto &[section, key, value] : settings)
            context.setSetting(section, key, value);
        window = std::make_unique<frmPrincipal>(context);
        window->show();
    }
    QString setting(const QString &section, const QString &key) const
    {
        return context.setting(section, key);
    }
    QPushButton *command4() const { return window->findChild<QPushButton *>(QStringLiteral("Command4")); }
    QTabWidget *tabs() const { return window->findChild<QTabWidget *>(QStringLiteral("SSTab1")); }
    WindowProbe probe() const { return WindowProbe(*window); }
    bool centred() const
    {
        const QRect area = window->screen()->availableGeometry();
        return window->x() == area.x() + area.width() / 2 - window->width() / 2 &&
               window->y() == area.y() + area.height() / 2 - window->height() / 2;
    }
};

const QString kFormulario = QStringLiteral("Formulario");
const QString kAncho = QStringLiteral("Ancho");

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutSettingsItOpensExpandedCentredOnPageZero()
    {
        Opened o;
        QCOMPARE(o.window->Width(), frmPrincipal::kBuiltInWidth);
        QVERIFY(o.window->Width() != frmPrincipal::kExpandedWidth);
        QVERIFY(o.probe().advancedAreaShown());
        QVERIFY(o.centred());
        QCOMPARE(o.command4()->text(), QStringLiteral("«"));
        QCOMPARE(o.tabs()->currentIndex(), 0);
        QVERIFY(!o.tabs()->tabBar()->isTabEnabled(1));
        QVERIFY(!o.probe().jobModified());
        // Jobs are opened from, and new ones named in, the jobs folder.
        o.dialogs.fileNames.enqueue(QString());
        o.window->findChild<QAction *>(QStringLiteral("mnuabrir"))->trigger();
        QCOMPARE(o.dialogs.fileRequests.size(), 1);
        QCOMPARE(o.dialogs.fileRequests[0].folder, o.tmp.paths().jobsFolder);
        QCOMPARE(o.window->windowTitle(), QStringLiteral("Nuevo 1 - Tessarino"));
        // The advanced area is inside the window.
        QVERIFY(o.window->findChild<QWidget *>(QStringLiteral("Frame3"))->geometry().right() <
                o.window->width());
    }

    void theStoredWidthDecidesTheAdvancedArea_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("expanded");
        QTest::newRow("collapsed") << "6125" << 6125 << false;
        QTest::newRow("7999") << "7999" << 7999 << false;
        QTest::newRow("8000") << "8000" << 8000 << true;
        QTest::newRow("expanded") << "8900" << 8900 << true;
        QTest::newRow("not a number") << "ancho" << frmPrincipal::kBuiltInWidth << true;
        QTest::newRow("absurdly small") << "15" << 6125 << false;
    }
    void theStoredWidthDecidesTheAdvancedArea()
    {
        QFETCH(QString, stored);
        QFETCH(int, width);
        QFETCH(bool, expanded);
        Opened o{{kFormulario, kAncho, stored}};
        QCOMPARE(o.window->Width(), width);
        QCOMPARE(o.probe().advancedAreaShown(), expanded);
        QCOMPARE(o.command4()->text(), expanded ? QStringLiteral("«") : QStringLiteral("»"));
        if (expanded)
            QVERIFY(o.centred());
        // The advanced area starts at 6070 twips: outside a collapsed window.
        const bool frameVisible =
            o.window->findChild<QWidget *>(QStringLiteral("Frame3"))->x() < o.window->width();
        QCOMPARE(frameVisible, width >= 6070 + 200);
    }

    void expandAndCollapseAreStored()
    {
        Opened o{{kFormulario, kAncho, QStringLiteral("6125")}};
        QTest::mouseClick(o.command4(), Qt::LeftButton);
        QCOMPARE(o.window->Width(), 8900);
        QVERIFY(o.probe().advancedAreaShown());
        QCOMPARE(o.command4()->text(), QStringLiteral("«"));
        QCOMPARE(o.setting(kFormulario, kAncho), QStringLiteral("8900"));
        QTest::mouseClick(o.command4(), Qt::LeftButton);
        QCOMPARE(o.window->Width(), 6125);
        QVERIFY(!o.probe().advancedAreaShown());
        QCOMPARE(o.command4()->text(), QStringLiteral("»"));
        QCOMPARE(o.setting(kFormulario, kAncho), QStringLiteral("6125"));
    }

    void fromTheBuiltInWidthTheFirstPressExpands()
    {
        Opened o;
        QTest::mouseClick(o.command4(), Qt::LeftButton);
        QCOMPARE(o.window->Width(), 8900);
        QVERIFY(o.probe().advancedAreaShown());
        QTest::mouseClick(o.command4(), Qt::LeftButton);
        QCOMPARE(o.window->Width(), 6125);
    }

    void thePageIsStoredAndComesBackUsable()
    {
        {
            Opened o;
            QCOMPARE(o.setting(QStringLiteral("Solapa"), QStringLiteral("sstab1")), QStringLiteral("Vacio"));
            o.window->setAvailablePage(1);
            QCOMPARE(o.setting(QStringLiteral("Solapa"), QStringLiteral("sstab1")), QStringLiteral("1"));
        }
        Opened o{{QStringLiteral("Solapa"), QStringLiteral("sstab1"), QStringLiteral("1")}};
        QCOMPARE(o.tabs()->currentIndex(), 1);
        QVERIFY(o.tabs()->tabBar()->isTabEnabled(1));
        QVERIFY(!o.tabs()->tabBar()->isTabEnabled(0));
    }

    void theStartUpTimerClearsTheModifiedMark()
    {
        Opened o;
        auto *desde0 = o.window->findChild<QLineEdit *>(QStringLiteral("desde_0"));
        desde0->setText(QStringLiteral("0005"));
        QVERIFY(o.probe().jobModified());
        QTRY_VERIFY_WITH_TIMEOUT(!o.probe().jobModified(), 2000);
        desde0->setText(QStringLiteral("0006"));
        QTest::qWait(1200);
        QVERIFY(o.probe().jobModified()); // it fires only once
    }

    void exitUnloadsTheWindow()
    {
        Opened o;
        QSignalSpy unloaded(o.window.get(), &frmPrincipal::unloaded);
        o.window->findChild<QAction *>(QStringLiteral("mnusalir"))->trigger();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!o.window->isVisible());
    }

    // With the focus in a box, the menus' shortcuts still win over the box's own editing keys.
    void menuShortcutsWorkFromInsideABox()
    {
        Opened o;
        QApplication::setActiveWindow(o.window.get());
        auto *txtDesde = o.window->findChild<QLineEdit *>(QStringLiteral("txtDesde"));
        txtDesde->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return txtDesde->hasFocus(); }));
        o.dialogs.fileNames.enqueue(QString()); // the open dialog is cancelled
        QTest::keyClick(txtDesde, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(o.dialogs.fileRequests.size(), 1); // Ctrl+A: Abrir, not select all
        o.dialogs.colors.enqueue(255);
        QTest::keyClick(txtDesde, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(o.dialogs.colors.isEmpty()); // Ctrl+C: the colour dialog, not copy
    }

    // The form holds every entry of the menus, in the order the user finds them ("-" is a
    // separator, a submenu shows as its own name).
    void theMenusListTheirEntriesInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Archivo") << "mnuarchivo"
                                 << QStringList{"mnunuevo",
                                                "mnuabrir",
                                                "mnuguardar",
                                                "mnuseparad",
                                                "impCuadricula",
                                                "impRectangulo",
                                                "-",
                                                "mnuPlantilla",
                                                "mnuSinPlantilla",
                                                "-",
                                                "archImprimir",
                                                "mnuVistaPrevia",
                                                "sep",
                                                "mnusalir",
                                                "mnuseparador",
                                                "mnuRecentFile_0"};
        QTest::newRow("Herramientas")
            << "mnuherramientas"
            << QStringList{"mnucargar",    "mnusep",      "mnuChecktodo",  "mnuLimpiarTodo",
                           "mnuPilas",     "mnuRegistro", "mnuReimprimir", "mnuReponer",
                           "mnuPlanPilas", "mnuFormatos", "OTROSEP",       "mnulimpiarrecientes"};
    }
    void theMenusListTheirEntriesInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        Opened o;
        QStringList names;
        for (const QAction *entry : o.window->findChild<QMenu *>(menu)->actions())
            names << (entry->menu()                                           ? entry->menu()->objectName()
                      : entry->objectName().isEmpty() && entry->isSeparator() ? QStringLiteral("-")
                                                                              : entry->objectName());
        QCOMPARE(names, entries);
    }

    // The sets boxes sit on their own pages and come last when tabbing through the window.
    void theSetsBoxesAreOnTheirPages()
    {
        Opened o;
        const auto page = [&](const char *box) {
            return o.window->findChild<QLineEdit *>(QLatin1String(box))->parentWidget()->objectName();
        };
        QCOMPARE(page("txtJuegos"), QStringLiteral("tabMismo"));
        QCOMPARE(page("txtJuegos2"), QStringLiteral("tabDistinto"));
        auto *command2 = o.window->findChild<QWidget *>(QStringLiteral("Command2"));
        QCOMPARE(command2->nextInFocusChain()->objectName(), QStringLiteral("txtJuegos"));
        QCOMPARE(o.window->findChild<QLabel *>(QStringLiteral("txtJuegos_lbl"))->buddy()->objectName(),
                 QStringLiteral("txtJuegos"));
    }

    void entriesNotBuiltYetDoNotPretendToWork()
    {
        Opened o;
        QVERIFY(o.window->findChild<QAction *>(QStringLiteral("mnuAcerca"))->isEnabled());
        QVERIFY(o.window->findChild<QAction *>(QStringLiteral("archImprimir"))->isEnabled());
        QVERIFY(!o.window->findChild<QAction *>(QStringLiteral("mnuseparador"))->isVisible());
    }

    void anUnwritableSettingsFileLosesTheValueQuietly()
    {
        Opened o;
        // Make the settings folder a regular file's child: nothing can be written there.
        QFile blocker(o.tmp.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Paths paths = o.tmp.paths();
        paths.settingsFile = o.tmp.path(QStringLiteral("blocker/Vireo.sys"));
        AppContext context{paths, o.dialogs, o.printer};
        frmPrincipal window(context);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
        QCOMPARE(window.Width(), 8900);
        QCOMPARE(context.setting(kFormulario, kAncho), QStringLiteral("Vacio"));
        QVERIFY(o.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
