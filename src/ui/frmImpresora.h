#pragma once

#include "PrinterSurface.h"
#include "TranslatedText.h"

#include <QDialog>
#include <QHash>
#include <memory>

class Dialogs;
class ProfileFiles;
class QComboBox;
class QLineEdit;

namespace Ui {
class frmImpresora;
}

// The printer setup dialog: looks at the installed printers, makes one current and
// applies page and device settings to the current printer. Only the sheets per job of a long run
// on a system queue, which holds for every queue, is kept in the settings file.
class frmImpresora : public QDialog
{
    Q_OBJECT

public:
    // Without `settings` the sheets per job are only applied to the printer, never kept.
    frmImpresora(PrinterSurface &printer, Dialogs &dialogs, const ProfileFiles *settings = nullptr,
                 QWidget *parent = nullptr);
    ~frmImpresora() override;

    static inline const QString kTitle = QStringLiteral("Tessarino");
    static constexpr TranslatedText kNoPrinters{
        "frmImpresora", QT_TRANSLATE_NOOP("frmImpresora", "No existen impresoras instaladas")};
    static constexpr TranslatedText kMakeCurrentFirst{
        "frmImpresora",
        QT_TRANSLATE_NOOP("frmImpresora", "En primer lugar, deberá convertir a esta impresora en la actual")};
    static constexpr TranslatedText kPropertyTitle{"frmImpresora",
                                                   QT_TRANSLATE_NOOP("frmImpresora", "Propiedad: ")};

    // The description ShowPaperName shows for a paper code, in the interface language; "" for a
    // code not in the table.
    static QString paperDescription(int code);
    // The 42 rows of the paper list: text and code.
    struct PaperRow
    {
        const char *text;
        int16_t code;
        const char *description;
    };
    static const PaperRow kPaperRows[42];

    void InitControls();
    // Shows one printer's values and clears every changed flag.
    void ShowPrinterInfo(const PrinterInfo &info, const PrinterSettings &prn);
    static void AddItem(QComboBox *cbo, const QString &Text, int32_t Value);
    static void SelectItem(QComboBox *cbo, int32_t Value);
    // The selected item's data; with none selected, the list's text as a whole number.
    static int32_t GetItem(const QComboBox *cbo);
    void ShowPaperName(int16_t code);
    static void SelecionarTexto(QLineEdit *cajaTexto);

    void cboPrinters_Click();
    void cboPaperSize_Click();
    void cmdMakeCurrent_Click();
    void cmdRefresh_Click();
    void cmdSet_Click();
    void cmdTestPage_Click();
    void Command1_Click();

    // The control's content changed since the last ShowPrinterInfo.
    bool changed(const QWidget *control) const { return m_changed.value(control, false); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void trackChanges();
    // The lists' item texts in the interface language.
    void nameItems();
    // Runs one step of Apply; a failure shows its message titled after `label`.
    template <typename Step> void applyStep(const QString &label, Step step);

    void applySheetsPerJob();
    // Fills the printer list from the collection and selects `keep` when listed (its fields stay
    // as they are), else the current printer (its values shown); false when `keep` was not kept.
    bool listPrinters(const QString &keep);
    void showCurrentPrinter();

    PrinterSurface &m_printer;
    Dialogs &m_dialogs;
    const ProfileFiles *m_settings;
    std::unique_ptr<Ui::frmImpresora> ui;
    QHash<const QWidget *, bool> m_changed;
};
