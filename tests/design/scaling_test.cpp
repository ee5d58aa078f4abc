#include "designfixture.h"

#include "design/parametergrid.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace holvane::test {
namespace {

// Runs on a 1280 x 1024 screen (see CMakeLists.txt).
class Scaled : public DesignFixture { };

TEST_F(Scaled, CalculatorIsScaledFromItsDesignSizeAndComputes)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1280, 1024));
    open("TF_Tanxingpan");
    // 860 x 650 as laid out: 1280*860/1024 by 1024*650/768; controls by 1280/1024.
    EXPECT_EQ(frame().size(), QSize(1075, 866));
    EXPECT_EQ(part<QWidget>("SButton1")->size(), QSize(175, 57));
    EXPECT_EQ(part<QWidget>("Panel1")->width(), 187);
    EXPECT_EQ(part<QLabel>("Label1")->font().pixelSize(), 60);
    EXPECT_EQ(part<QWidget>("SButton1")->font().pixelSize(), 17);
    EXPECT_LT(part<QWidget>("SButton1")->y(), part<QWidget>("SButton2")->y());

    click("BitBtn1");
    EXPECT_EQ(currentPage(), QStringLiteral("Sheji"));
    click("SpeedButton3");
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_FALSE(part<QPlainTextEdit>("Memo2")->toPlainText().isEmpty());
    // Nothing of the stage falls outside the window.
    // A picture scrolls inside its region: the region counts.
    QWidget *formulaPicture = part<QWidget>("DBImage1")->parentWidget()->parentWidget();
    for (QWidget *w : { part<QWidget>("StringGrid1"), part<QWidget>("Memo2"), part<QWidget>("PageControl1"),
             formulaPicture, part<QWidget>("SpeedButton5") }) {
        const QString name = w->objectName();
        const QRect inFrame(w->mapTo(&frame(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(frame().rect().contains(inFrame)) << name.toStdString();
    }
}

} // namespace
} // namespace holvane::test
