// The curve reader: calibration clicks, readings under the pointer, the
// scale arrows and the edits' key filter, on a real picture file.

#include "app/appcontext.h"
#include "app/apperror.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/pagecode.h"
#include "pages/curvereading.h"
#include "pages/tfram_curve.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holvane::pages {
namespace {

using test::TempDir;

class CurveReader : public ::testing::Test {
protected:
    CurveReader()
        : context(temp.path(), messages, desktop)
    {
        QImage picture(600, 448, QImage::Format_RGB32);
        picture.fill(Qt::white);
        path = QString::fromStdString((temp.path() / "qx.bmp").u8string());
        picture.save(path, "BMP");
        frame = std::make_unique<TFram_curve>(context, nullptr);
        frame->resize(1000, 700);
        frame->show();
        load();
    }

    void load()
    {
        context.page.PageType = app::pagecode::Curve;
        context.page.ContentKey = path;
        frame->loadPage();
        context.page.PageType = app::PageContext::kPageTypeIdle;
    }

    template<typename T> T *find(const char *name)
    {
        T *widget = frame->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLabel *image() { return find<QLabel>("Image1"); }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(name); }

    void click(const char *radio, QPoint at)
    {
        find<QRadioButton>(radio)->setChecked(true);
        QTest::mouseClick(image(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void moveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), image()->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(image(), &move);
    }
    std::pair<QString, QString> reading() { return { find<QLabel>("L_x")->text(), find<QLabel>("L_y")->text() }; }
    QToolButton *arrow(Qt::ArrowType type)
    {
        for (QToolButton *button : find<QWidget>("UpDown1")->findChildren<QToolButton *>())
            if (button->arrowType() == type)
                return button;
        ADD_FAILURE() << "no arrow";
        return nullptr;
    }
    void calibrate()
    {
        click("RD_oXY", { 100, 400 });
        edit("MAX_X")->setText(QStringLiteral("200"));
        click("RD_XMAX", { 500, 300 });
        edit("MAX_y")->setText(QStringLiteral("50"));
        click("RD_YMAX", { 200, 100 });
    }

    TempDir temp;
    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    app::AppContext context;
    QString path;
    std::unique_ptr<TFram_curve> frame;
};

TEST_F(CurveReader, StartsUncalibratedWithTheControlsOfTheFrame)
{
    EXPECT_EQ(frame->objectName(), QStringLiteral("Fram_curve"));
    for (const char *radio : { "RD_oXY", "RD_XMAX", "RD_YMAX" })
        EXPECT_FALSE(find<QRadioButton>(radio)->isChecked()) << radio;
    for (const char *name : { "Eox", "Eoy", "MAX_X", "MAX_y" })
        EXPECT_EQ(edit(name)->text(), QStringLiteral("0")) << name;
    EXPECT_EQ(reading(), std::make_pair(QStringLiteral("0.0"), QStringLiteral("0.0")));
    EXPECT_EQ(image()->size(), QSize(600, 448));
    EXPECT_EQ(find<QFrame>("sp_y")->height(), 448);
    EXPECT_EQ(find<QFrame>("sp_x")->width(), 600);
}

TEST_F(CurveReader, CalibratedPointerReadsDiagramUnits)
{
    calibrate();
    EXPECT_EQ(messages.texts(),
        (std::vector<QString> { QStringLiteral("坐标原点定义完毕"), QStringLiteral("最大横坐标定义完毕"),
            QStringLiteral("最大纵坐标定义完毕") }));
    moveTo({ 300, 250 });
    EXPECT_EQ(reading(), std::make_pair(QStringLiteral("100.0000"), QStringLiteral("25.0000")));
    EXPECT_EQ(find<QFrame>("sp_y")->x(), 301);
    EXPECT_EQ(find<QFrame>("sp_x")->y(), 251);
    // The origin's circle is drawn into the picture around the click.
    EXPECT_EQ(QColor(frame->picture().pixel(97, 400)), QColor(Qt::black));
    EXPECT_EQ(QColor(frame->picture().pixel(100, 400)), QColor(Qt::white));
}

TEST_F(CurveReader, UncalibratedPointerReadsPixelsFromTheBottom)
{
    moveTo({ 10, 20 });
    EXPECT_EQ(reading(), std::make_pair(QStringLiteral("10"), QStringLiteral("428")));
}

TEST_F(CurveReader, MaximumTypedButItsPointNotClickedReadsZero)
{
    click("RD_oXY", { 100, 400 });
    edit("MAX_X")->setText(QStringLiteral("200"));
    edit("MAX_y")->setText(QStringLiteral("50"));
    click("RD_YMAX", { 200, 100 });
    for (QPoint at : { QPoint(300, 250), QPoint(0, 0), QPoint(599, 447) }) {
        moveTo(at);
        EXPECT_EQ(reading(), std::make_pair(QStringLiteral("0"), QStringLiteral("0")));
    }
}

TEST_F(CurveReader, AxisPointNeedsItsMaximumFirst)
{
    const QImage before = frame->picture();
    click("RD_XMAX", { 500, 300 });
    edit("MAX_y")->setText(QStringLiteral("-"));
    click("RD_YMAX", { 200, 100 });
    EXPECT_EQ(messages.texts(),
        (std::vector<QString> { QStringLiteral("请先输入横坐标最大数值"), QStringLiteral("请先输入纵坐标最大数值") }));
    EXPECT_FALSE(frame->calibration().xMaxColumn);
    EXPECT_FALSE(frame->calibration().yMaxRow);
    EXPECT_EQ(frame->picture(), before);
}

TEST_F(CurveReader, EachArrowClickClearsTheCalibrationValues)
{
    calibrate();
    for (Qt::ArrowType type : { Qt::UpArrow, Qt::DownArrow }) {
        for (const char *name : { "Eox", "Eoy", "MAX_X", "MAX_y" })
            edit(name)->setText(QStringLiteral("12.5"));
        QTest::mouseClick(arrow(type), Qt::LeftButton);
        for (const char *name : { "Eox", "Eoy", "MAX_X", "MAX_y" })
            EXPECT_EQ(edit(name)->text(), QStringLiteral("0")) << name;
    }
    // The points stay; with the maxima cleared the reading is raw again.
    EXPECT_TRUE(frame->calibration().origin);
    moveTo({ 10, 20 });
    EXPECT_EQ(reading(), std::make_pair(QStringLiteral("10"), QStringLiteral("428")));
}

TEST_F(CurveReader, ScaleStepsUpToTwoThenResets)
{
    QToolButton *up = arrow(Qt::UpArrow);
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(frame->scale(), 2.000000000000001);
    EXPECT_EQ(image()->size(), QSize(1200, 896));
    EXPECT_EQ(find<QFrame>("sp_y")->height(), 896);
    EXPECT_EQ(find<QFrame>("sp_x")->width(), 1200);
    EXPECT_TRUE(messages.texts().empty());
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(frame->scale(), 1.0);
    EXPECT_EQ(image()->size(), QSize(600, 448));
    EXPECT_EQ(messages.texts(), std::vector<QString> { QStringLiteral("缩放比例超出范围，不能处理") });
}

TEST_F(CurveReader, ScaleStepsDownToFourTenthsThenResets)
{
    QToolButton *down = arrow(Qt::DownArrow);
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(frame->scale(), 0.40000000000000013);
    EXPECT_EQ(image()->size(), QSize(240, 179));
    EXPECT_TRUE(messages.texts().empty());
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(frame->scale(), 1.0);
    EXPECT_EQ(messages.texts(), std::vector<QString> { QStringLiteral("缩放比例超出范围，不能处理") });
}

TEST_F(CurveReader, CircleLandsUnderThePointerOnAScaledPicture)
{
    QToolButton *up = arrow(Qt::UpArrow);
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    click("RD_oXY", { 200, 800 });
    EXPECT_EQ(frame->calibration().origin, QPoint(200, 800));
    EXPECT_EQ(QColor(frame->picture().pixel(97, 400)), QColor(Qt::black));
}

TEST_F(CurveReader, EditsTakeOnlyNumberCharacters)
{
    QLineEdit *eox = edit("Eox");
    QTest::keyClicks(eox, QStringLiteral("1a-.x2"));
    EXPECT_EQ(eox->text(), QStringLiteral("01-.2"));
    QTest::keyClick(eox, Qt::Key_Backspace);
    EXPECT_EQ(eox->text(), QStringLiteral("01-.2"));
    eox->setCursorPosition(0);
    QTest::keyClick(eox, Qt::Key_Delete);
    EXPECT_EQ(eox->text(), QStringLiteral("1-.2"));
    eox->setText(QStringLiteral("0"));
    eox->selectAll();
    eox->insert(QStringLiteral("abc"));
    EXPECT_EQ(eox->text(), QStringLiteral("0"));
}

TEST_F(CurveReader, CtrlArrowsNudgeTheCrosshairWithoutReading)
{
    moveTo({ 50, 60 });
    QFrame *vertical = find<QFrame>("sp_y");
    QFrame *horizontal = find<QFrame>("sp_x");
    const QPoint start(vertical->x(), horizontal->y());
    const auto [x, y] = reading();
    QTest::keyClick(edit("MAX_y"), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(find<QRadioButton>("RD_oXY"), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(find<QRadioButton>("RD_XMAX"), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(edit("Eox"), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QPoint(vertical->x(), horizontal->y()), start + QPoint(2, -1));
    EXPECT_EQ(reading(), std::make_pair(x, y));
    EXPECT_EQ(edit("MAX_y")->text(), QStringLiteral("0"));
}

TEST_F(CurveReader, LoadingResetsTheScaleAndRefusesAMissingFile)
{
    QTest::mouseClick(arrow(Qt::UpArrow), Qt::LeftButton);
    load();
    EXPECT_EQ(frame->scale(), 1.0);
    EXPECT_EQ(image()->size(), QSize(600, 448));

    context.page.PageType = app::pagecode::Picture;
    context.page.ContentKey = QStringLiteral("/nonexistent/qx.bmp");
    EXPECT_NO_THROW(frame->loadPage());
    context.page.PageType = app::pagecode::Curve;
    EXPECT_THROW(frame->loadPage(), app::AppError);
}

// The reading's rule with the failures the pointer must survive.
TEST(CurveReading, FailuresReadZero)
{
    CurveCalibration calibration { QPoint(100, 400), 500, 100 };
    const CurveValues good { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("200"), QStringLiteral("50") };
    const std::pair<QString, QString> zero { QStringLiteral("0"), QStringLiteral("0") };
    const auto read = [](const CurveCalibration &c, const CurveValues &v, QPoint at = { 300, 250 }) {
        const CurveReading r = readCurve(c, v, at, 448);
        return std::make_pair(r.x, r.y);
    };
    EXPECT_EQ(read(calibration, good), std::make_pair(QStringLiteral("100.0000"), QStringLiteral("25.0000")));
    EXPECT_EQ(
        read(calibration, { QStringLiteral("10"), QStringLiteral("-5"), QStringLiteral("210"), QStringLiteral("45") }),
        std::make_pair(QStringLiteral("110.0000"), QStringLiteral("20.0000")));

    CurveCalibration sameColumn = calibration;
    sameColumn.xMaxColumn = 100;
    EXPECT_EQ(read(sameColumn, good), zero);
    CurveCalibration sameRow = calibration;
    sameRow.yMaxRow = 400;
    EXPECT_EQ(read(sameRow, good), zero);
    EXPECT_EQ(read({}, good), zero);

    for (const char *bad : { "", "-", ".", "1.2.3", "--1", "1e999" }) {
        CurveValues values = good;
        values.x0 = QString::fromLatin1(bad);
        EXPECT_EQ(read(calibration, values), zero) << bad;
    }
    CurveValues huge = good;
    huge.xMax = QStringLiteral("1e308");
    huge.x0 = QStringLiteral("-1e308");
    EXPECT_EQ(read(calibration, huge), zero);
}

} // namespace
} // namespace holvane::pages
