#pragma once

#include "SurfaceBase.h"

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
    struct Page
    {
        int orientation;
        std::vector<Text> texts;
        std::vector<Line> lines;
    };
    struct Document
    {
        std::vector<Page> pages;
        bool ended = false;
    };

    RecordingSurface();

    const std::vector<Document> &documents() const { return m_documents; }
    void clear() { m_documents.clear(); forgetDocument(); }

    // Simulates a machine without any printer: every operation then fails.
    void setAvailable(bool available) { m_available = available; }
    // Printable area in twips for portrait orientation.
    void setPrintableTwips(const QSizeF &portrait) { m_portrait = portrait; }

    QList<PrinterInfo> printers() const override;
    int currentPrinterIndex() const override { return m_current; }
    void setCurrentPrinter(int index) override;
    void setPrinters(const QList<PrinterInfo> &printers) { m_printers = printers; }

protected:
    void checkReady() const override;
    QSizeF printableTwips() const override;
    int deviceOrientation() const override { return m_orientation; }
    void deviceSetOrientation(int orientation) override { m_orientation = orientation; }
    void deviceBeginDocument() override;
    void deviceNewPage() override;
    void deviceDrawText(const QPointF &topLeftTwips, const QString &text) override;
    void deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box) override;
    void deviceEndDocument() override;

private:
    std::vector<Document> m_documents;
    QList<PrinterInfo> m_printers;
    int m_current = 0;
    bool m_available = true;
    int m_orientation = Portrait;
    QSizeF m_portrait{11906, 16838};
};
