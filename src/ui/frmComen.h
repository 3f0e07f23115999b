#pragma once

#include <QDialog>
#include <functional>

class QPlainTextEdit;

// The note editor: one multi-line box filling the window. However the window is asked to
// close (close box, Escape, the window manager), `store` runs first with the text; when it
// returns false the editor stays open with the text as typed.
class frmComen : public QDialog
{
    Q_OBJECT

public:
    frmComen(QWidget *parent, std::function<bool(const QString &)> store);

    QPlainTextEdit *Text1 = nullptr;

public Q_SLOTS:
    void reject() override;

private:
    std::function<bool(const QString &)> m_store;
};
