#include "pages/curvereading.h"

#include "formula/numberformat.h"

#include <cmath>

namespace holvane::pages {

namespace {

constexpr int kDecimals = 4;

bool number(const QString &text, double &value)
{
    try {
        return formula::TextToNumber(text.toStdString(), value);
    } catch (const formula::ArithmeticError &) {
        return false;
    }
}

const CurveReading kFailed { QStringLiteral("0"), QStringLiteral("0") };

} // namespace

CurveReading readCurve(const CurveCalibration &calibration, const CurveValues &values, QPoint pos, int pictureHeight)
{
    double xMax = 0;
    double yMax = 0;
    double x0 = 0;
    double y0 = 0;
    if (!number(values.xMax, xMax) || !number(values.yMax, yMax) || !number(values.x0, x0) || !number(values.y0, y0))
        return kFailed;
    if (!(xMax > 0 && yMax > 0))
        return { QString::number(pos.x()), QString::number(pictureHeight - pos.y()) };
    if (!calibration.origin || !calibration.xMaxColumn || !calibration.yMaxRow)
        return kFailed;
    const QPoint origin = *calibration.origin;
    const int xSpan = *calibration.xMaxColumn - origin.x();
    const int ySpan = origin.y() - *calibration.yMaxRow;
    if (xSpan == 0 || ySpan == 0)
        return kFailed;
    const double x = x0 + (xMax - x0) * (pos.x() - origin.x()) / xSpan;
    const double y = y0 + (yMax - y0) * (origin.y() - pos.y()) / ySpan;
    if (!std::isfinite(x) || !std::isfinite(y))
        return kFailed;
    return { QString::number(x, 'f', kDecimals), QString::number(y, 'f', kDecimals) };
}

bool isPositiveNumber(const QString &text)
{
    double value = 0;
    return number(text, value) && value > 0;
}

ScaleStep stepScale(double scale, bool up)
{
    if (scale <= 0.5 || scale >= 2)
        return { 1.0, true };
    return { up ? scale + 0.1 : scale - 0.1, false };
}

} // namespace holvane::pages
