#include "PrinterCalibration.h"

#include "Texts.h"

#include <QRegularExpression>
#include <cmath>
#include <tuple>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

using Problem = PrinterCalibration::Problem;

Problem problem(PrinterCalibration::Box box, int32_t id)
{
    return {box, Texts::text(id).arg(PrinterCalibration::boxName(box))};
}

// One axis from where its two crosses landed, `span` millimetres apart on the job.
std::pair<double, double> axis(double first, double second, double span)
{
    const double scale = (second - first) / span;
    return {first - scale * PrinterCalibration::kCrossInsetMm, scale};
}

} // namespace

QString PrinterCalibration::boxName(Box box)
{
    switch (box) {
    case TopLeftX:
        return Texts::text(2010);
    case TopLeftY:
        return Texts::text(2011);
    case BottomRightX:
        return Texts::text(2012);
    case BottomRightY:
        break;
    }
    return Texts::text(2013);
}

QString PrinterCalibration::shown(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', Texts::text(2020));
}

PrinterCalibration::Outcome PrinterCalibration::fromTyped(const std::array<QString, 4> &typed, QSizeF paperMm)
{
    static const QRegularExpression number(QStringLiteral("^(-?)(\\d+(?:[.,]\\d*)?|[.,]\\d+)$"));
    std::array<double, 4> mm{};
    for (int i = 0; i < 4; ++i) {
        const auto box = Box(i);
        const QString text = typed[size_t(i)].trimmed();
        if (text.isEmpty())
            return problem(box, 2014);
        const QRegularExpressionMatch match = number.match(text);
        if (!match.hasMatch())
            return problem(box, 2015);
        mm[size_t(i)] = match.captured(2).replace(u',', u'.').toDouble();
        if (!match.captured(1).isEmpty() && mm[size_t(i)] != 0)
            return problem(box, 2016);
    }
    return fromDistances(mm, paperMm);
}

PrinterCalibration::Outcome PrinterCalibration::fromDistances(const std::array<double, 4> &mm, QSizeF paperMm)
{
    PrinterCalibration c;
    const double inset = 2 * kCrossInsetMm;
    std::tie(c.offsetX, c.scaleX) = axis(mm[TopLeftX], mm[BottomRightX], paperMm.width() - inset);
    std::tie(c.offsetY, c.scaleY) = axis(mm[TopLeftY], mm[BottomRightY], paperMm.height() - inset);

    // The scale of an axis comes from both its boxes; the far cross is the likelier slip.
    const auto badScale = [](double s) { return !(s >= kMinScale && s <= kMaxScale); };
    const auto badOffset = [](double o) { return !(std::abs(o) <= kMaxOffsetMm); };
    const struct
    {
        bool bad;
        Box first, second;
        double value;
        bool scale;
    } checks[] = {
        {badScale(c.scaleX), TopLeftX, BottomRightX, c.scaleX, true},
        {badScale(c.scaleY), TopLeftY, BottomRightY, c.scaleY, true},
        {badOffset(c.offsetX), BottomRightX, TopLeftX, c.offsetX, false},
        {badOffset(c.offsetY), BottomRightY, TopLeftY, c.offsetY, false},
    };
    for (const auto &check : checks) {
        if (!check.bad)
            continue;
        const QString message =
            check.scale
                ? Texts::text(2017).arg(boxName(check.first), boxName(check.second), shown(check.value, 4))
                : Texts::text(2018).arg(boxName(check.second), boxName(check.first), shown(check.value, 2));
        return Problem{check.second, message};
    }
    return c;
}

bool PrinterCalibration::plausible() const
{
    const auto scaleOk = [](double s) { return s >= kMinScale && s <= kMaxScale; };
    const auto offsetOk = [](double o) { return std::abs(o) <= kMaxOffsetMm; };
    return scaleOk(scaleX) && scaleOk(scaleY) && offsetOk(offsetX) && offsetOk(offsetY);
}

QTransform PrinterCalibration::correction(QPointF printableOrigin) const
{
    // A point q of the printable area is paper point origin + q; it lands there when the printer
    // is sent (origin + q - offset) / scale, which is (that) - origin on the printable area.
    const double dx = (printableOrigin.x() - offsetX * kTwipsPerMm) / scaleX - printableOrigin.x();
    const double dy = (printableOrigin.y() - offsetY * kTwipsPerMm) / scaleY - printableOrigin.y();
    return {1 / scaleX, 0, 0, 1 / scaleY, dx, dy};
}
