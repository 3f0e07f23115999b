#pragma once

#include "SurfaceBase.h"

#include <QPainter>
#include <functional>
#include <memory>

class QPrinter;

// The real printer: every CUPS queue plus the built-in PDF printer, which is always last in
// the collection and current when the system offers no printer. The PDF printer uses the whole
// sheet (A4: 11906 x 16838 twips) and writes each ended document to a new file.
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
    // Told about every document the PDF printer finishes.
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
    void applyStyle();
    void applyTransform();

    QString m_pdfFolder;
    QStringList m_queues;
    int m_current = 0;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    quint64 m_appliedStyle = ~quint64(0);
    qreal m_ascent = 0;
    QString m_currentPdf;
    QString m_lastPdf;
    std::function<void(const QString &)> m_onFinished;
};
