#pragma once

#include "FormHarness.h"
#include "QtPrinterSurface.h"
#include "frmVistaPrevia.h"

#include <QTest>
#include <QTimer>

#include <functional>

// Opens the preview from the main window with `open` (its menu entry or its shortcut) and runs
// `inside` while it shows. False when no preview opened.
inline bool withPreview(FormHarness<QtPrinterSurface> &h, const std::function<void(frmVistaPrevia &)> &inside,
                        const std::function<void()> &open)
{
    bool opened = false;
    QTimer::singleShot(0, &h.w, [&] {
        if (auto *preview = h.w.findChild<frmVistaPrevia *>()) {
            opened = true;
            inside(*preview);
            preview->close();
        }
    });
    open();
    return opened;
}

// The same, opened with its shortcut, Ctrl+Shift+P.
inline bool withPreview(FormHarness<QtPrinterSurface> &h, const std::function<void(frmVistaPrevia &)> &inside)
{
    return withPreview(h, inside,
                       [&] { QTest::keyClick(&h.w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); });
}
