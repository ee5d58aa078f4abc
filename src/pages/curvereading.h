#pragma once

#include <QPoint>
#include <QString>
#include <optional>

namespace holvane::pages {

// The curve reader's calibration points in picture pixels: the origin, the
// column of the largest x and the row of the largest y. A point stays unset
// until its first calibration click.
struct CurveCalibration {
    std::optional<QPoint> origin;
    std::optional<int> xMaxColumn;
    std::optional<int> yMaxRow;
};

// The texts the calibration edits hold.
struct CurveValues {
    QString x0;
    QString y0;
    QString xMax;
    QString yMax;
};

struct CurveReading {
    QString x;
    QString y;
};

// The reading under the pointer at `pos` on a picture `pictureHeight` pixels
// high. With both axis maxima above 0: diagram units by the calibration,
// four decimals. Otherwise the raw pixels, y counted up from the bottom.
// An edit that holds no number, a point not yet set, coinciding axis points
// or a result that is no finite number read "0" and "0".
CurveReading readCurve(const CurveCalibration &calibration, const CurveValues &values, QPoint pos, int pictureHeight);

// True when an edit's text is a number above 0 (a calibration point may be
// set for that axis).
bool isPositiveNumber(const QString &text);

// One arrow click on the scale. Steps of 0.1 in double precision; the range
// is tested before the step, so a scale at or beyond a limit falls back to
// 1.0 and `outOfRange` is set.
struct ScaleStep {
    double scale;
    bool outOfRange;
};
ScaleStep stepScale(double scale, bool up);

} // namespace holvane::pages
