#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// The record of every print run: "impresiones.csv" in the program's data folder, UTF-8, one
// header line, then lines that are only ever appended. A run writes a line as it starts
// (estado "en curso") and another, with the same id, as it ends; a run whose last line is still
// "en curso" never ended (the program was killed or crashed part-way). Each run's job is kept
// in "impresiones/<id>.trv" beside the log, for reprinting.
class RunLog
{
public:
    static inline const QString kEnCurso = QStringLiteral("en curso");
    static inline const QString kCompleta = QStringLiteral("completa");
    static inline const QString kCancelada = QStringLiteral("cancelada");
    static inline const QString kFallida = QStringLiteral("fallida");
    // A run that never ended (killed, power cut, logout), reconciled afterwards with the
    // spooler: `impresas` sheets the printer completed; "sin confirmar" when the spooler no
    // longer knew its parts.
    static inline const QString kInterrumpida = QStringLiteral("interrumpida");
    static inline const QString kSinConfirmar = QStringLiteral("sin confirmar");

    struct Run
    {
        QString id;
        QDateTime inicio;
        QDateTime fin; // invalid until the run ends
        QString estado = kEnCurso;
        QString impresora;
        QString trabajo; // the job's file, or its "Nuevo N" name
        int pagina = 0;
        qint64 hojas = 0;        // physical sheets planned
        qint64 impresas = 0;     // physical sheets printed
        QString primera, ultima; // the number on the first and the last sheet printed
        qint64 hojaInicial = 1;  // the run's first sheet among the job's sheets (a reprint's J)
        QString copia;
        QString boletos; // a replacement's tickets as typed ("0457,3001-3004"); empty for a run
        QString origen;  // the id of the run a replacement or continuation belongs to

        bool finished() const
        {
            return estado == kCompleta || estado == kCancelada || estado == kFallida ||
                   estado == kInterrumpida || estado == kSinConfirmar;
        }
    };

    explicit RunLog(const QString &folder);

    QString file() const { return m_file; }
    QString copiesFolder() const { return m_copies; }

    // Appends the run's line and hands it to the system before returning. False, with the reason,
    // when the log cannot be written whole, or something other than a regular file stands at its
    // path.
    bool append(const Run &run, QString *reason) const;

    struct Contents
    {
        std::vector<Run> runs; // the latest line of each run, in the order the runs started
        QString error;         // why the log could not be read; empty when it could, or it is not there yet
        // Lines (counted from 1) that are not whole runs' lines: cut short, or not the log's at
        // all. A cut line that still says whole how its run ended counts for that run.
        QList<qint64> unreadLines;
    };
    Contents read() const;

    // The log as a spreadsheet reads it, one line per run with its latest state, newest first.
    bool exportTo(const QString &path, QString *reason) const;

    // A new run's id, unique across the program's processes.
    static QString newId();
    // The path of the copy of run `id`'s job.
    QString copyPath(const QString &id) const;
    // The path of run `id`'s parts at the spooler, beside its copy: the process that runs it and
    // one line per part handed to a CUPS queue ("<job id> <sheets> <number on its last sheet>
    // [<printer of a class>]"), rewritten whole as each part completes.
    QString partsPath(const QString &id) const;

    static QStringList header();
    static QString csvLine(const Run &run);

private:
    QString m_file;
    QString m_copies;
};
