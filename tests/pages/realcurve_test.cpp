// A curve of the real handbook, packed as the packer packs it, calibrated
// and read as a designer would: the readings must agree with the formula the
// curve was drawn from.

#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/pagecode.h"
#include "pages/tfram_curve.h"
#include "picture.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace holvane::pages {
namespace {

namespace fs = std::filesystem;

// The wedge's force ratio i = 1/[tan φ + tan(α + φ)], φ = arctan f, drawn
// for f = 0.1 in blue on axes from (0, 0) at pixel (90, 400) to α = 30° at
// x = 590 and i = 6 at y = 92.
double wedgeRatio(double alphaDegrees)
{
    const double phi = std::atan(0.1);
    return 1 / (std::tan(phi) + std::tan(alphaDegrees * M_PI / 180 + phi));
}

// The middle row of the blue curve in a column of the picture (the curve's
// label, in the same blue, spans x = 277 to about 410).
int curveRow(const QImage &picture, int column)
{
    int sum = 0;
    int count = 0;
    for (int row = 0; row < picture.height(); ++row) {
        const QColor c = picture.pixelColor(column, row);
        if (std::abs(c.red() - 0x00) < 70 && std::abs(c.green() - 0x50) < 70 && std::abs(c.blue() - 0xb0) < 70
            && c.blue() > c.red() + 60) {
            sum += row;
            ++count;
        }
    }
    return count ? static_cast<int>(std::lround(static_cast<double>(sum) / count)) : -1;
}

TEST(HandbookCurve, WedgeForceRatioReadsWithinAHundredthOfTheFormula)
{
    test::TempDir temp;
    const fs::path bmp = temp.path() / "qx.bmp";
    test::writeFile(
        bmp, pack::bmpBytes(pack::loadPicture(fs::path(HOLVANE_SOURCE_DIR) / "content/curvei/qx-xiexie.svg")));

    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    app::AppContext context(temp.path(), messages, desktop);
    TFram_curve frame(context, nullptr);
    frame.resize(1000, 700);
    frame.show();
    context.page.PageType = app::pagecode::Curve;
    context.page.ContentKey = QString::fromStdString(bmp.u8string());
    frame.loadPage();

    auto *image = frame.findChild<QLabel *>(QStringLiteral("Image1"));
    const auto clickAt = [&](const char *radio, QPoint at) {
        frame.findChild<QRadioButton *>(QString::fromLatin1(radio))->setChecked(true);
        QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, at);
    };
    frame.findChild<QLineEdit *>(QStringLiteral("MAX_X"))->setText(QStringLiteral("30"));
    frame.findChild<QLineEdit *>(QStringLiteral("MAX_y"))->setText(QStringLiteral("6"));
    const QImage picture = frame.picture();
    clickAt("RD_oXY", { 90, 400 });
    clickAt("RD_XMAX", { 590, 400 });
    clickAt("RD_YMAX", { 90, 92 });

    double worst = 0;
    for (int column : { 173, 257, 507 }) {
        const int row = curveRow(picture, column);
        ASSERT_GE(row, 0) << column;
        QMouseEvent move(QEvent::MouseMove, QPointF(column, row), image->mapToGlobal(QPointF(column, row)),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(image, &move);
        const double alpha = frame.findChild<QLabel *>(QStringLiteral("L_x"))->text().toDouble();
        const double ratio = frame.findChild<QLabel *>(QStringLiteral("L_y"))->text().toDouble();
        const double error = ratio - wedgeRatio(alpha);
        std::printf("alpha %.4f: read %.4f, formula %.4f, error %+.4f\n", alpha, ratio, wedgeRatio(alpha), error);
        worst = std::max(worst, std::abs(error));
    }
    // One pixel of the 308-pixel-high axis is 6/308 = 0.019.
    EXPECT_LT(worst, 0.02);
}

} // namespace
} // namespace holvane::pages
