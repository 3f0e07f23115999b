#pragma once

#include "FontSettings.h"

#include <QObject>
#include <functional>

class Dialogs;
class ProfileFiles;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The main window's font panel: the font list, the size box and the colour swatch, the sample
// kept in step with them, and the "Fuentes" section that keeps them between runs and in jobs.
// The values live in the controls; there is no separate font record.
class FontPanel : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QComboBox *cboFuentes;
        QLineEdit *txtTamano;
        QLabel *PicColor;
        QLabel *Label6;
        QCheckBox *Check3;
    };

    // `modified` runs on every change of the font (the job changed).
    FontPanel(const Controls &controls, const ProfileFiles &profiles, Dialogs &dialogs,
              std::function<void()> modified, QObject *parent);

    static void LlenarFuentes(QComboBox *list);

    // Selects the font named `quefuente` (exact, case-sensitive, whatever its foundry tag); a
    // numeric name means the first.
    void buscarFuentes(const QString &quefuente);

    // Loads "Fuentes" of `queRuta` (empty: the settings file). Returns false when a value could
    // not be converted; the values after it are then left as they were.
    bool DatosFuentes(const QString &queRuta);

    // Writes "Fuentes" of `queNombre` (empty: the settings file): the current values when
    // Check3 is set, otherwise the defaults.
    void EscribirValores(const QString &queNombre);

    FontSettings::Stored current() const;

    // The font colour is the swatch's background.
    int32_t color() const;
    void setColor(int32_t color);

    void PicColor_DblClick();
    void cmdRestaurar_Click();

    // Shows the stored "Activado" on Check3 without writing anything back.
    void showSavedFlag(bool set);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cboFuentes_Click();
    void txtTamano_Change();
    void Check3_Click();
    void selectFont(int index);

    Controls m_ui;
    const ProfileFiles &m_profiles;
    Dialogs &m_dialogs;
    std::function<void()> m_modified;
};
