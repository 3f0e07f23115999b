#pragma once

#include <QColor>
#include <cstdint>

// Colours are stored as the classic signed 32-bit value: red in the low byte, then green, then
// blue. Only the low 24 bits carry the colour.
namespace VbColor {

inline QColor toQColor(int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

inline int32_t fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return int32_t(uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16));
}

} // namespace VbColor
