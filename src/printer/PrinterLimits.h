#pragma once

#include <QPageSize>
#include <cstdint>

// The values any printer takes for its page and device settings, and the one message that
// refuses each value outside them: a refusal reads the same on a system queue, the PDF printer
// and the recording printer. Each check throws a RuntimeError naming the setting; what one
// printer offers within these limits is that printer's own check.
namespace PrinterLimits {

constexpr int32_t kMinSheetTwips = 288;    // 0.2 inch
constexpr int32_t kMaxSheetTwips = 288000; // 200 inches
constexpr int16_t kMaxCopies = 9999;
constexpr int16_t kMaxDpi = 9600;
constexpr int32_t kMaxZoom = 1000;

void checkWidth(int32_t twips);
void checkHeight(int32_t twips);
void checkCopies(int16_t copies);
// -1 (draft) to -4 (high), or a resolution in dots per inch.
void checkPrintQuality(int16_t quality);
void checkZoom(int32_t percent);
void checkColorMode(int16_t mode);
// The standard size a paper code other than the user size stands for.
QPageSize::PageSizeId paperSizeId(int16_t code);

} // namespace PrinterLimits
