#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

// The "Juegos" box of each numbering page: how many times each sheet is printed in a row, for
// carbonless receipt books. The run checks the value; the boxes only take two characters.
class SetsBoxes final : public QObject
{
public:
    // `page0` and `page1` are the two pages of the main window; `modified` marks the job changed.
    SetsBoxes(QWidget *page0, QWidget *page1, std::function<void()> modified, QObject *owner);

    QLineEdit *txtJuegos = nullptr;  // page 0
    QLineEdit *txtJuegos2 = nullptr; // page 1

    // Back to 1, as a new job starts.
    void reset();
};
