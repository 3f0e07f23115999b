// Any text typed or pasted into a number box: the lenient and strict readings and the
// zero-padding must never crash, and whole numbers must survive being written and read again.
#include "FuzzInput.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "RangeNumber.h"
#include "RuntimeError.h"

#include <cmath>

namespace {

template <typename F> void ignoringRuntimeErrors(F &&f)
{
    try {
        f();
    } catch (const RuntimeError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const auto width = int16_t(in.byte() % 40);
    const QString text = QString::fromUtf8(in.rest());

    ignoringRuntimeErrors([&] {
        const double lenient = NumberText::lenient(text);
        const QString plain = NumberText::plainDecimal(lenient);
        if (std::isfinite(lenient) && lenient == std::trunc(lenient) &&
            std::fabs(lenient) <= 9007199254740992.0 && NumberText::strictDouble(plain) != lenient)
            fuzzFailure("a whole number does not survive plain decimal text",
                        text + QStringLiteral(" -> ") + plain);
        NumberText::plainDecimalSingle(NumberText::toSingle(lenient));
    });
    ignoringRuntimeErrors([&] { NumberText::strictInt16(text); });
    ignoringRuntimeErrors([&] {
        // A range end read exactly reads back as itself, counts steps exactly and pads whole.
        const RangeNumber start = RangeNumber::read(text);
        const QString plain = start.text();
        if (RangeNumber::read(plain).text() != plain)
            fuzzFailure("a range number does not survive its own text",
                        text + QStringLiteral(" -> ") + plain);
        const qint64 steps = width;
        if (start.stepsTo(start.plus(steps)) != steps)
            fuzzFailure("counting on from a number loses steps", plain);
        const QString padded = NumberFormat::padToWidth(plain, width);
        if (padded.size() < width || !padded.endsWith(plain.right(1)))
            fuzzFailure("a padded number lost its width or its digits", padded);
    });
    // Padding only adds zeros, after a leading minus sign if there is one.
    QString box = text;
    NumberFormat::CompletarDigitos(box, width);
    const qsizetype sign = text.startsWith(u'-') ? 1 : 0;
    const qsizetype zeros = box.size() - text.size();
    if (box.size() < std::max<qsizetype>(width, text.size()) || box.left(sign) != text.left(sign) ||
        box.mid(sign, zeros) != QString(zeros, u'0') || box.mid(sign + zeros) != text.mid(sign))
        fuzzFailure("padding lost part of the text", box);
    return 0;
}
