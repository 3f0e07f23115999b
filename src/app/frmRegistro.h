#pragma once

#include <QDialog>
#include <functional>

class DatePicker;
class Dialogs;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class RunLog;
class RunLogModel;

// "Registro de impresiones": every logged run, newest first, with its latest state (a run that
// never ended shows "sin terminar"); reprints sheets of the chosen run and exports the log.
class frmRegistro final : public QDialog
{
    Q_OBJECT

public:
    frmRegistro(const RunLog &log, Dialogs &dialogs, QWidget *owner);

    QTableView *grdRegistro = nullptr;
    QPushButton *cmdReimprimir = nullptr;
    QPushButton *cmdExportar = nullptr;
    // Filters: part of the job's or printer's name, first and last day (typed as yyyy-mm-dd or
    // picked from a calendar), state.
    QLineEdit *txtFiltroTrabajo = nullptr;
    QLineEdit *txtFiltroImpresora = nullptr;
    QLineEdit *txtFiltroDesde = nullptr;
    QLineEdit *txtFiltroHasta = nullptr;
    DatePicker *cmdFechaDesde = nullptr;
    DatePicker *cmdFechaHasta = nullptr;
    QComboBox *cboFiltroEstado = nullptr;

    // Told the id of the run to reprint.
    std::function<void(const QString &)> onReprint;

    // Reads the log again (after a reprint added to it).
    void reload();
    void exportLog();
    // Shows the runs the filters let through.
    void applyFilter();

private:
    void retranslate();
    // A day that is typed but is no day is marked, and filters nothing.
    QDate typedDay(QLineEdit *box);

    const RunLog &m_log;
    Dialogs &m_dialogs;
    RunLogModel *m_model = nullptr;
};
