#pragma once

#include "AppContext.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WindowProbe.h"
#include "frmPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <functional>

// The main window over scripted dialogs, driven through the keyboard and mouse as a user would.
template <typename Printer = RecordingSurface> struct FormHarness
{
    TestPaths tmp;
    ScriptedDialogs dialogs;
    Printer printer = makePrinter();
    AppContext context{tmp.paths(), dialogs, printer};
    bool prepared = false;
    frmPrincipal w{context};
    WindowProbe probe{w};

    FormHarness() = default;
    // `prepare` runs before the window exists, e.g. to write the settings it starts from.
    explicit FormHarness(const std::function<void(const AppContext &)> &prepare)
        : prepared((prepare(context), true))
    {}

    Printer makePrinter()
    {
        if constexpr (std::is_constructible_v<Printer, QString>)
            return Printer(tmp.paths().pdfOutputFolder); // the PDF printer writes below the test folder
        else
            return Printer();
    }

    bool open(int page)
    {
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            return false;
        w.setAvailablePage(page);
        QCoreApplication::processEvents();
        return true;
    }

    QLineEdit *box(const QString &name) const { return w.findChild<QLineEdit *>(name); }
    QCheckBox *check(const QString &name) const { return w.findChild<QCheckBox *>(name); }
    bool enabled(const QString &name) const { return box(name)->isEnabled(); }

    // Enters the box, selects its text and types over it.
    void type(QLineEdit *target, const QString &keys)
    {
        enter(target);
        // Home, Shift+End: Ctrl+A belongs to the Abrir menu entry.
        QTest::keyClick(target, Qt::Key_Home);
        QTest::keyClick(target, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(target, keys);
    }
    void type(const QString &name, const QString &keys) { type(box(name), keys); }

    // Enters the box and pastes over its whole text: the key filter lets anything in this way.
    void paste(QLineEdit *target, const QString &text)
    {
        enter(target);
        target->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }
    void paste(const QString &name, const QString &text) { paste(box(name), text); }

    void enter(QWidget *target)
    {
        target->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void click(const QString &checkName) { click(check(checkName)); }

    QAction *menu(const QString &name) const { return w.findChild<QAction *>(name); }
    // Saves and opens the job through the File menu, the file dialog answering `path`.
    void saveAs(const QString &path)
    {
        dialogs.fileNames.enqueue(path);
        menu(QStringLiteral("mnuguardar"))->trigger();
    }
    void openFile(const QString &path)
    {
        dialogs.fileNames.enqueue(path);
        menu(QStringLiteral("mnuabrir"))->trigger();
    }
};
