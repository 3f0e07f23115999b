#pragma once

#include "Paths.h"

#include <QWidget>

class QLineEdit;

// The association window: its boxes hold what the job-file type is registered with, and
// "Asignar" registers it. Start-up loads it hidden at the first run; it is never shown.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // `programFile` is the program's file name without its folder.
    Form1(const Paths &paths, QString programFile, QWidget *parent = nullptr);

    QLineEdit *txtExtension = nullptr;
    QLineEdit *txtClave = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    QLineEdit *txtComando = nullptr;
    QLineEdit *txtIcono = nullptr;

    // Registers the type in the store and on the desktop, then closes the window. Each failing
    // step is skipped; the result says whether every step succeeded, so that a later start can
    // try again.
    bool Command1_Click();
    void Command2_Click() {}

    // The program's folder with one separator, then its file name.
    static QString programPath(const QString &folder, const QString &programFile);

private:
    const Paths &m_paths;
    QString m_programFile;
};
