#pragma once

#include <QDialog>

class Dialogs;
class ProfileFiles;
class QLabel;
class QSpinBox;

// How long a run may be before the window sums it up and asks to go on: the number of sheets
// kept in the settings file (0: never ask). Opened from the Impresora menu.
class frmResumen final : public QDialog
{
    Q_OBJECT

public:
    frmResumen(const ProfileFiles &settings, Dialogs &dialogs, QWidget *owner);

    QSpinBox *txtResumenDesde = nullptr;

    // Stores the number shown; closes only once it is stored, else says why.
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    const ProfileFiles &m_settings;
    Dialogs &m_dialogs;
    QLabel *m_ask = nullptr;
    QLabel *m_note = nullptr;
};
