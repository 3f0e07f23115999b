#pragma once

#include "SheetPainting.h"
#include "SpooledParts.h"
#include "SurfaceBase.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

class PdfOutputFile;
class QPdfWriter;
class QPrinter;
class RuntimeError;

// The real printer: every CUPS queue plus the built-in PDF printer, which is always last in
// the collection and current when the system offers no printer. The PDF printer uses the whole
// sheet (A4: 11906 x 16838 twips) and writes each ended document to a new file. A document whose
// file cannot be written completely fails with the file's name and the reason, leaves no file
// behind, and the next drawing starts a fresh document.
class QtPrinterSurface final : public SurfaceBase
{
public:
    explicit QtPrinterSurface(QString pdfOutputFolder);
    ~QtPrinterSurface() override;

    QList<PrinterInfo> printers() const override;
    int currentPrinterIndex() const override { return m_current; }
    void setCurrentPrinter(int index) override;
    void refreshPrinters() override;

    int pdfPrinterIndex() const { return int(m_queues.size()); }
    bool pdfPrinterCurrent() const { return m_current == pdfPrinterIndex(); }
    // The file of the last document the PDF printer finished.
    QString lastPdfFile() const { return m_lastPdf; }
    // Told about every document the PDF printer finishes and finds complete on disk.
    void setDocumentFinishedHandler(std::function<void(const QString &)> handler)
    {
        m_onFinished = std::move(handler);
    }

    // Page and device settings on QPrinter: paper through QPageSize's Windows ids,
    // copies, colour mode and resolution as QPrinter keeps them. A CUPS queue refuses what it
    // does not list; the PDF printer takes every value and repeats each sheet for copies.
    int32_t width() const override;
    int32_t height() const override;
    void setWidth(int32_t twips) override;
    void setHeight(int32_t twips) override;
    int16_t paperSize() const override;
    void setPaperSize(int16_t code) override;
    int16_t colorMode() const override;
    void setColorMode(int16_t mode) override;
    int16_t copies() const override;
    void setCopies(int16_t copies) override;
    int16_t printQuality() const override;
    void setPrintQuality(int16_t quality) override;
    int32_t zoom() const override { return m_device.zoom; }
    void setZoom(int32_t percent) override;
    PrinterSettings printerSettings(int index) const override;
    QRectF printableAreaTwips() const override;

    // A CUPS queue hands each job to its filters only once the whole job has arrived, and the
    // PDF filter holds the whole job in memory: a long run goes out in parts, each its own job
    // titled "<job name> (parte k de n)", so the first sheets print while later ones are drawn.
    void beginRun(qint64 sheets) override;
    void setJobName(const QString &name) override;
    void setSheetsPerJob(qint64 sheets) override { m_sheetsPerJob = qMax<qint64>(0, sheets); }
    qint64 sheetsPerJob() const { return m_sheetsPerJob; }

    // A run on a queue follows its parts at the spooler by their job ids: at most a window of
    // them wait there at once (SpooledParts), the next is drawn and sent as an earlier one
    // completes, and the run ends when the printer completed its last part. A part the printer
    // does not finish, a stopped or removed queue stops the run (RunPartRefused with the sheets
    // the printer completed) and cancels the parts still at the spooler.
    bool confirmsSheets() const override { return !pdfPrinterCurrent(); }
    void setSpoolerWatch(SpoolerWatch *watch) override { m_watch = watch; }
    void stopRun() override;
    static constexpr int kPollMs = 100;

protected:
    void checkReady() const override {}
    QSizeF printableTwips() const override;
    int deviceOrientation() const override;
    void deviceSetOrientation(int orientation) override;
    void deviceBeginDocument() override;
    void deviceNewPage() override;
    void deviceDrawText(const QPointF &topLeftTwips, const QString &text) override;
    void deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box) override;
    void deviceEndDocument() override;
    bool deviceDiscardDocument() override;
    void deviceFill(const QPointF &topLeftTwips, const QList<QRectF> &shapes, const QColor &color) override;

private:
    void createPrinter();
    void beginPdf();
    // Ends the PDF under way and checks its file; a file that is not complete is removed.
    // Returns the reason it is not, or an empty text.
    QString finishPdf();
    // Drops the PDF under way and its file and raises the error that names both.
    [[noreturn]] void failPdf(const QString &reason);
    void applyStyle();
    void applyTransform();
    void drawTemplate();

    // Settings QPrinter does not keep, reset whenever another printer becomes current.
    struct DeviceExtras
    {
        int32_t zoom = 100;
        int16_t qualityCode = 0; // -1..-4 when a quality code was chosen, else 0
        int16_t pdfCopies = 1;   // the PDF printer repeats each sheet itself
    };
    // One drawing of the sheet under way, kept while the PDF printer has copies to repeat.
    struct PageOp
    {
        bool text;
        QPointF from, to;
        QString string;
        QFont font;
        QColor color;
        bool box;
        QList<QRectF> fill; // filled rectangles from `from`, when any
    };
    static RuntimeError printerErrorFor(const QString &description);
    // The resolutions a queue offers, as the scheduler reports them (a PPD's default only, a
    // driverless printer's list), else as Qt reads them; empty when it names none.
    static QList<int> queueResolutions(const QString &queue, int *preferred = nullptr);
    // A queue's QPrinter starts at Qt's own resolution, which the printer may not have: it takes
    // the printer's default instead, so quality shows what the printer prints at.
    static void adoptQueueResolution(QPrinter &printer, const QString &queue);
    static QString deviceUri(const QString &queue, const QString &fallback);
    QString queueName() const;
    void checkQueueStillThere() const;
    bool queueStillThere() const;
    // Ends the job under way on the queue; why the scheduler did not take it, or "".
    QString endQueueJob();
    void setJobTitle(const QString &title);
    QString jobName() const;
    void startNextPart();
    // Stops the run: the part under way and the parts at the spooler are cancelled. With
    // `whole`, `reason` says all; else it is about the part under way.
    [[noreturn]] void failPart(const QString &reason, bool whole = false);
    // The part just handed over, by its job id at the scheduler.
    void spoolPart();
    // Waits until at most `atMost` parts are unfinished at the spooler.
    void waitForPrinter(int atMost);
    void cancelSpooled();
    void reportConfirmed();
    void setPaperTwips(const QSizeF &orientedTwips, const QString &what);
    void recordOp(PageOp op);
    void repeatSheetForCopies();
    void breakSheet();

    // The parts of the run under way on a queue; count 0 outside a run sent in parts.
    struct RunParts
    {
        qint64 count = 0;
        qint64 current = 0;      // from 1
        qint64 sheetsInPart = 0; // sheets of the current part already ended
        qint64 sheetsSent = 0;   // sheets in the parts the scheduler took
        bool tracked = false;    // followed at the spooler by job id
        QString title;           // the part's job title, by which its job id is found
        SpooledParts spooled;
    };

    DeviceExtras m_device;
    qint64 m_sheetsPerJob = 0;
    RunParts m_parts;
    QString m_jobName;
    std::vector<PageOp> m_pageOps;
    SpoolerWatch *m_watch = nullptr;
    QString m_stateShown;

    QString m_pdfFolder;
    QStringList m_queues;
    int m_current = 0;
    std::unique_ptr<QPrinter> m_printer; // for the PDF printer it only holds the page settings
    std::unique_ptr<PdfOutputFile> m_pdfFile;
    std::unique_ptr<QPdfWriter> m_pdfWriter; // the document under way on the PDF printer
    QPainter m_painter;
    SheetPainting m_painting;
    static constexpr int kTemplateDpi = 300;
    std::optional<PdfTemplate> m_documentTemplate; // as it was when the document began
    QSizeF m_templatePoints;
    QImage m_templateImage;
    QString m_currentPdf;
    QString m_lastPdf;
    std::function<void(const QString &)> m_onFinished;
};
