#pragma once

#include "SurfaceBase.h"

#include <QPainter>
#include <functional>
#include <memory>

class PdfOutputFile;
class QPdfWriter;
class QPrinter;

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

    int pdfPrinterIndex() const { return int(m_queues.size()); }
    bool pdfPrinterCurrent() const { return m_current == pdfPrinterIndex(); }
    // The file of the last document the PDF printer finished.
    QString lastPdfFile() const { return m_lastPdf; }
    // Told about every document the PDF printer finishes and finds complete on disk.
    void setDocumentFinishedHandler(std::function<void(const QString &)> handler)
    {
        m_onFinished = std::move(handler);
    }

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

    QString m_pdfFolder;
    QStringList m_queues;
    int m_current = 0;
    std::unique_ptr<QPrinter> m_printer; // for the PDF printer it only holds the page settings
    std::unique_ptr<PdfOutputFile> m_pdfFile;
    std::unique_ptr<QPdfWriter> m_pdfWriter; // the document under way on the PDF printer
    QPainter m_painter;
    quint64 m_appliedStyle = ~quint64(0);
    qreal m_ascent = 0;
    QString m_currentPdf;
    QString m_lastPdf;
    std::function<void(const QString &)> m_onFinished;
};
