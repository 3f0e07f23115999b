#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

// Text and lines as every surface that draws with a QPainter puts them on a sheet, in twips.
class SheetPainting
{
public:
    // Sets font and pen once per style change of the surface, not once per number.
    void applyStyle(QPainter &painter, const QFont &font, const QColor &color, quint64 generation)
    {
        if (m_applied == generation)
            return;
        painter.setFont(font);
        painter.setPen(color);
        m_ascent = QFontMetricsF(font).ascent();
        m_applied = generation;
    }
    // The painter lost its state (a new document or sheet): set the style again before drawing.
    void forgetStyle() { m_applied = ~quint64(0); }

    // `topLeft` is the text's top-left corner, as the surface's current position gives it.
    void text(QPainter &painter, const QPointF &topLeft, const QString &text) const
    {
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + m_ascent), text);
    }

    // Filled rectangles in twips from `topLeft`, such as a code's modules: one rectangle list
    // rather than a path, which a PDF holds in a seventh of the bytes and writes nine times as fast.
    // The rectangles are moved here rather than the painter, and pen and brush stay as they are
    // until text needs its pen back: every change of painter state costs a PDF a new state.
    void fill(QPainter &painter, const QPointF &topLeft, const QList<QRectF> &rects, const QColor &color)
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        forgetStyle();
        painter.translate(topLeft);
        painter.drawRects(rects.constData(), int(rects.size()));
        painter.translate(-topLeft);
    }

    static void line(QPainter &painter, const QPointF &from, const QPointF &to, const QColor &color, bool box)
    {
        painter.save();
        painter.setPen(QPen(color, 0));
        painter.setBrush(Qt::NoBrush); // a box is an outline, whatever a code left behind
        if (box)
            painter.drawRect(QRectF(from, to).normalized());
        else
            painter.drawLine(from, to);
        painter.restore();
    }

private:
    quint64 m_applied = ~quint64(0);
    qreal m_ascent = 0;
};
