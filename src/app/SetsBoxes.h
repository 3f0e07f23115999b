#pragma once

#include <QObject>
#include <functional>

class QLabel;
class QLineEdit;

// The "Juegos" box of each numbering page: how many times each sheet is printed in a row, for
// carbonless receipt books. The run checks the value; the boxes (in the main window's form) only
// take two characters.
class SetsBoxes final : public QObject
{
public:
    struct Box
    {
        QLabel *caption;
        QLineEdit *edit;
    };

    // `page0` and `page1` are the boxes of the main window's two pages; `modified` marks the job
    // changed.
    SetsBoxes(Box page0, Box page1, std::function<void()> modified, QObject *owner);

    QLineEdit *txtJuegos = nullptr;  // page 0
    QLineEdit *txtJuegos2 = nullptr; // page 1

    // Back to 1, as a new job starts.
    void reset();
};
