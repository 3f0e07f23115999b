#include "frmRegistro.h"

#include "DatePicker.h"
#include "Dialogs.h"
#include "JobDocument.h"
#include "LogFilter.h"
#include "RunLog.h"
#include "RunMessages.h"
#include "RunText.h"
#include "Texts.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

// The runs, newest first, one row each; texts are made only for the rows on screen.
class RunLogModel final : public QAbstractTableModel
{
public:
    RunLogModel(const RunLog &log, QObject *owner) : QAbstractTableModel(owner), m_log(log) {}

    enum Column { Inicio, Estado, Impresora, Trabajo, Pagina, Hojas, Impresas, Primera, Ultima, Columns };

    // The rows come with the next setFilter(): filtering a long log twice doubled its opening.
    void setRuns(std::vector<RunLog::Run> runs)
    {
        beginResetModel();
        m_runs = std::move(runs);
        m_printers.clear();
        m_rows.clear();
        endResetModel();
    }
    void setFilter(const LogFilter &filter)
    {
        beginResetModel();
        m_rows = filter.rows(m_runs);
        endResetModel();
    }
    const RunLog::Run &run(int row) const { return *m_rows[std::size_t(row)].run; }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : Columns; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        const RunLog::Run &r = run(index.row());
        if (index.column() == Trabajo && m_rows[std::size_t(index.row())].follower && role == Qt::DisplayRole)
            return QStringLiteral("    ↳ ") +
                   (r.boletos.isEmpty() ? Texts::text(19000, QStringLiteral("hojas %1–%2"))
                                              .arg(r.hojaInicial)
                                              .arg(r.hojaInicial + r.hojas - 1)
                                        : Texts::text(19001, QStringLiteral("boletos %1")).arg(r.boletos));
        switch (index.column()) {
        case Inicio:
            return RunText::when(r);
        case Estado:
            return RunText::estado(r);
        case Impresora: {
            // A run on a class names the printers that printed its parts.
            const RunText::Printers &printers = printersOf(r);
            return role == Qt::ToolTipRole && !printers.parts.isEmpty() ? printers.parts.join(u'\n')
                                                                        : printers.shown;
        }
        case Trabajo:
            return role == Qt::ToolTipRole ? QDir::toNativeSeparators(r.trabajo)
                                           : JobDocument::Cortar(r.trabajo);
        case Pagina:
            return r.pagina;
        case Hojas:
            return r.hojaInicial == 1 ? QString::number(r.hojas)
                                      : QStringLiteral("%1 (%2–%3)")
                                            .arg(r.hojas)
                                            .arg(r.hojaInicial)
                                            .arg(r.hojaInicial + r.hojas - 1);
        case Impresas:
            if (r.estado == RunLog::kSinConfirmar)
                return Texts::text(14001);
            return r.finished() || r.impresas > 0 ? QVariant(r.impresas) : QVariant(QStringLiteral("?"));
        case Primera:
            return r.primera;
        case Ultima:
            return r.ultima;
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return Texts::text(3013 + section); // Inicio, Estado ... Última
    }

private:
    // Read from the run's parts file the first time its row shows.
    const RunText::Printers &printersOf(const RunLog::Run &run) const
    {
        auto found = m_printers.find(run.id);
        if (found == m_printers.end())
            found = m_printers.emplace(run.id, RunText::printers(m_log, run)).first;
        return found->second;
    }

    const RunLog &m_log;
    std::vector<RunLog::Run> m_runs;    // oldest first, as the log holds them
    std::vector<LogFilter::Row> m_rows; // what shows, newest first
    mutable std::map<QString, RunText::Printers> m_printers;
};

frmRegistro::frmRegistro(const RunLog &log, Dialogs &dialogs, QWidget *owner)
    : QDialog(owner), m_log(log), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(QStringLiteral("Registro de impresiones"));
    Texts::bindTitle(this, 3012);
    m_model = new RunLogModel(m_log, this);
    grdRegistro = new QTableView(this);
    grdRegistro->setObjectName(QStringLiteral("grdRegistro"));
    grdRegistro->setModel(m_model);
    grdRegistro->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRegistro->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRegistro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRegistro->verticalHeader()->hide();
    grdRegistro->horizontalHeader()->setStretchLastSection(true);
    grdRegistro->setMinimumSize(800, 300);

    auto *buttons = new QDialogButtonBox(this);
    cmdReimprimir = buttons->addButton(QStringLiteral("Reimprimir hojas..."), QDialogButtonBox::ActionRole);
    cmdReimprimir->setObjectName(QStringLiteral("cmdReimprimir"));
    Texts::bindCaption(cmdReimprimir, 3023);
    cmdExportar = buttons->addButton(QStringLiteral("Exportar..."), QDialogButtonBox::ActionRole);
    cmdExportar->setObjectName(QStringLiteral("cmdExportar"));
    Texts::bindCaption(cmdExportar, 3024);
    Texts::bindCaption(buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole), 3025);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdExportar, &QPushButton::clicked, this, &frmRegistro::exportLog);
    connect(cmdReimprimir, &QPushButton::clicked, this, [this] {
        const QModelIndex current = grdRegistro->currentIndex();
        if (onReprint)
            onReprint(current.isValid() ? m_model->run(current.row()).id : QString());
    });
    // The states, the follower rows and the headers are words of the interface language.
    Texts::follow(this, [this] {
        m_model->headerDataChanged(Qt::Horizontal, 0, RunLogModel::Columns - 1);
        if (m_model->rowCount({}) > 0)
            Q_EMIT m_model->dataChanged(m_model->index(0, 0),
                                        m_model->index(m_model->rowCount({}) - 1, RunLogModel::Columns - 1));
    });

    const auto filterBox = [this](const char *name, const char *hint, int32_t hintId) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setPlaceholderText(QString::fromUtf8(hint));
        Texts::follow(box, [box, hint, hintId] {
            box->setPlaceholderText(Texts::text(hintId, QString::fromUtf8(hint)));
        });
        connect(box, &QLineEdit::textChanged, this, &frmRegistro::applyFilter);
        return box;
    };
    txtFiltroTrabajo = filterBox("txtFiltroTrabajo", "Trabajo", 19002);
    txtFiltroImpresora = filterBox("txtFiltroImpresora", "Impresora", 19003);
    txtFiltroDesde = filterBox("txtFiltroDesde", "Desde (aaaa-mm-dd)", 19004);
    txtFiltroHasta = filterBox("txtFiltroHasta", "Hasta (aaaa-mm-dd)", 19005);
    cmdFechaDesde = new DatePicker(txtFiltroDesde, this);
    cmdFechaDesde->setObjectName(QStringLiteral("cmdFechaDesde"));
    cmdFechaHasta = new DatePicker(txtFiltroHasta, this);
    cmdFechaHasta->setObjectName(QStringLiteral("cmdFechaHasta"));
    // The states as the log keeps them; shown in the interface language.
    cboFiltroEstado = new QComboBox(this);
    cboFiltroEstado->setObjectName(QStringLiteral("cboFiltroEstado"));
    cboFiltroEstado->addItem(QString(), QString());
    for (const QString *state : {&RunLog::kCompleta, &RunLog::kCancelada, &RunLog::kFallida,
                                 &RunLog::kInterrumpida, &RunLog::kSinConfirmar, &RunLog::kEnCurso})
        cboFiltroEstado->addItem(QString(), *state);
    Texts::follow(cboFiltroEstado, [this] { retranslate(); });
    connect(cboFiltroEstado, &QComboBox::currentIndexChanged, this, &frmRegistro::applyFilter);
    auto *filters = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(txtFiltroTrabajo), static_cast<QWidget *>(txtFiltroImpresora),
                       static_cast<QWidget *>(txtFiltroDesde), static_cast<QWidget *>(cmdFechaDesde),
                       static_cast<QWidget *>(txtFiltroHasta), static_cast<QWidget *>(cmdFechaHasta),
                       static_cast<QWidget *>(cboFiltroEstado)})
        filters->addWidget(w);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(grdRegistro);
    layout->addWidget(buttons);
    retranslate();
    reload();
}

void frmRegistro::retranslate()
{
    const auto shown = [](const QString &state) {
        if (state.isEmpty())
            return Texts::text(19006, QStringLiteral("Todos"));
        if (state == RunLog::kEnCurso)
            return tr("en curso");
        RunLog::Run run;
        run.estado = state;
        return RunText::estado(run);
    };
    for (int i = 0; i < cboFiltroEstado->count(); ++i)
        cboFiltroEstado->setItemText(i, shown(cboFiltroEstado->itemData(i).toString()));
}

QDate frmRegistro::typedDay(QLineEdit *box)
{
    const QString text = box->text().trimmed();
    const QDate day = QDate::fromString(text, Qt::ISODate);
    const bool wrong = !text.isEmpty() && !day.isValid();
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, wrong ? Qt::red : QApplication::palette(box).color(QPalette::Text));
    box->setPalette(palette);
    box->setToolTip(
        wrong ? tr("«%1» no es un día: escríbalo como aaaa-mm-dd o elíjalo en el calendario.").arg(text)
              : QString());
    return day;
}

void frmRegistro::reload()
{
    RunLog::Contents contents = m_log.read();
    if (!contents.error.isEmpty())
        m_dialogs.message(Texts::text(3034).arg(QDir::toNativeSeparators(m_log.file()), contents.error),
                          RunMessages::kTitle, Dialogs::Icon::Exclamation);
    if (!contents.unreadLines.isEmpty()) {
        constexpr qsizetype kNamed = 10;
        QStringList lines;
        for (qsizetype i = 0; i < qMin(kNamed, contents.unreadLines.size()); ++i)
            lines << QString::number(contents.unreadLines[i]);
        if (contents.unreadLines.size() > kNamed)
            lines << QStringLiteral("…");
        m_dialogs.message(
            Texts::text(8001).arg(QDir::toNativeSeparators(m_log.file()), lines.join(QStringLiteral(", "))),
            RunMessages::kTitle, Dialogs::Icon::Exclamation);
    }
    m_model->setRuns(std::move(contents.runs));
    applyFilter();
}

void frmRegistro::applyFilter()
{
    if (!cboFiltroEstado)
        return; // still being built
    LogFilter filter;
    filter.trabajo = txtFiltroTrabajo->text().trimmed();
    filter.impresora = txtFiltroImpresora->text().trimmed();
    filter.from = typedDay(txtFiltroDesde);
    filter.to = typedDay(txtFiltroHasta);
    filter.estado = cboFiltroEstado->currentData().toString();
    m_model->setFilter(filter);
    grdRegistro->resizeColumnsToContents();
    if (m_model->rowCount({}) > 0)
        grdRegistro->selectRow(0);
}

void frmRegistro::exportLog()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        m_dialogs.saveFileName({Texts::text(3039), folder, QStringLiteral("impresiones.csv"),
                                QStringLiteral("CSV (*.csv)|*.csv"), QStringLiteral("csv"), true});
    if (path.isEmpty())
        return;
    QString reason;
    if (!m_log.exportTo(path, &reason))
        m_dialogs.message(Texts::text(3026).arg(QDir::toNativeSeparators(path), reason), RunMessages::kTitle,
                          Dialogs::Icon::Critical);
}
