#pragma once

#include "SurfaceBase.h"

#include <QSet>
#include <QStringList>
#include <vector>

// A printer that keeps what was drawn, document by document and page by page. Tests read it
// back; it can also pretend that no printer is installed.
class RecordingSurface final : public SurfaceBase
{
public:
    struct Text
    {
        QString text;
        QPointF positionTwips;
        QString fontName;
        float fontSize;
        int32_t color;
    };
    struct Line
    {
        QPointF from, to;
        QColor color;
        bool box;
    };
    // Filled shapes, such as a code: where they went and the area they cover.
    struct Fill
    {
        QPointF positionTwips;
        QRectF boundsTwips; // from the position
        QColor color;
    };
    struct Page
    {
        int orientation;
        std::vector<Text> texts;
        std::vector<Line> lines;
        std::vector<Fill> fills = {};
    };
    struct Document
    {
        std::vector<Page> pages;
        bool ended = false;
    };

    RecordingSurface();

    const std::vector<Document> &documents() const { return m_documents; }
    void clear()
    {
        m_documents.clear();
        forgetDocument();
    }

    // Simulates a machine without any printer: every operation then fails.
    void setAvailable(bool available) { m_available = available; }
    // Printable area in twips for portrait orientation.
    void setPrintableTwips(const QSizeF &portrait) { m_portrait = portrait; }

    QList<PrinterInfo> printers() const override;
    int currentPrinterIndex() const override { return m_current; }
    void setCurrentPrinter(int index) override;
    void setPrinters(const QList<PrinterInfo> &printers) { m_printers = printers; }
    // Test hook: a collection that cannot be read; printers() fails with this description.
    void setPrintersFailure(const QString &description) { m_printersFailure = description; }
    // Kept only to be read back: a recording never splits a run.
    void setSheetsPerJob(qint64 sheets) override { m_sheetsPerJob = sheets; }
    qint64 sheetsPerJob() const { return m_sheetsPerJob; }

    // Page and device settings. The sheet is the printable area; paper codes map through
    // QPageSize's Windows ids.
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
    int32_t zoom() const override;
    void setZoom(int32_t percent) override;
    PrinterSettings printerSettings(int index) const override;

    // Test hooks: a driver that refuses every value of these properties ("Width", "PaperSize",
    // "ColorMode", "Copies", "PrintQuality", "Zoom" ...), and one that reports a paper code of
    // its own.
    void refuse(const QString &property) { m_refused.insert(property); }
    void setDriverPaperCode(int16_t code) { m_paper = code; }
    // Test hook: a printer that misplaces what it prints as real ones do: what is sent for paper
    // position p (millimetres) lands at offset + scale * p. The recording then holds where each
    // text and line landed; a calibration of the printer applies before it.
    void setPaperDistortion(const PrinterCalibration &distortion) { m_distortion = distortion; }
    // Every property assignment that went through, in order ("Orientation=2").
    QStringList assignments;

protected:
    void checkReady() const override;
    QSizeF printableTwips() const override;
    int deviceOrientation() const override { return m_orientation; }
    void deviceSetOrientation(int orientation) override
    {
        m_orientation = orientation;
        note("Orientation", orientation);
    }
    void deviceBeginDocument() override;
    void deviceNewPage() override;
    void deviceDrawText(const QPointF &topLeftTwips, const QString &text) override;
    void deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box) override;
    void deviceEndDocument() override;
    bool deviceDiscardDocument() override;
    void deviceFill(const QPointF &topLeftTwips, const QList<QRectF> &shapes, const QColor &color) override;

private:
    qint64 m_sheetsPerJob = -1; // never set
    std::vector<Document> m_documents;
    QList<PrinterInfo> m_printers;
    QString m_printersFailure;
    int m_current = 0;
    bool m_available = true;
    int m_orientation = Portrait;
    QSizeF m_portrait{11906, 16838};
    int16_t m_paper = 9;
    int16_t m_colorMode = ColorColor;
    int16_t m_copies = 1;
    int16_t m_quality = 600;
    int32_t m_zoom = 100;
    QSet<QString> m_refused;

    PrinterCalibration m_distortion;

    QPointF landed(const QPointF &twips) const;
    void checkOffered(const char *property) const;
    void note(const char *property, double value);
};
