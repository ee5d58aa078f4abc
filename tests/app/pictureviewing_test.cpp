#include "app/picturesurface.h"
#include "appfixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

const QString kDragHint = QStringLiteral("拖动鼠标可查看全部图像");

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

class PictureViewing : public AppFixture {
protected:
    // For a move, `button` is the button held down during it.
    void mouse(const char *label, QEvent::Type type, Qt::MouseButton button, QPoint pos)
    {
        QWidget *target = find<QWidget>(label);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), changed, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void drag(const char *label, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(label, QEvent::MouseButtonPress, button, from);
        mouse(label, QEvent::MouseMove, button, to);
    }
    void click(const char *button) { find<QToolButton>(button)->click(); }
    bool shown(const char *name) { return !find<QWidget>(name)->isHidden(); }
    // The picture page showing a picture of this size.
    QLabel *pictureOnPage(int width, int height)
    {
        selectNode(23);
        window().picturePage()->setImage(picture(width, height));
        window().picturePage()->naturalSize();
        return find<QLabel>("Img_show");
    }
};

TEST_F(PictureViewing, ZoomHalvesWithTruncationAndRestoreGivesTheNaturalSize)
{
    QLabel *page = pictureOnPage(1, 1);
    click("ToolButton3");
    EXPECT_EQ(page->width(), 0);
    EXPECT_EQ(page->height(), 0);
    click("ToolButton7");
    EXPECT_EQ(page->size(), QSize(1, 1));

    pictureOnPage(30, 21);
    click("ToolButton2");
    EXPECT_EQ(page->size(), QSize(60, 42));
    EXPECT_TRUE(page->hasScaledContents());
    click("ToolButton3");
    click("ToolButton3");
    EXPECT_EQ(page->size(), QSize(15, 10));
    EXPECT_EQ(page->pos(), QPoint(0, 0));
    click("ToolButton7");
    EXPECT_EQ(page->size(), QSize(30, 21));
    EXPECT_FALSE(page->hasScaledContents());
}

TEST_F(PictureViewing, ThePictureInItsPaneStretchesToThePaneWhenZoomed)
{
    selectNode(21);
    auto *image = find<QLabel>("Image1");
    const QSize pane = find<QWidget>("Pan_pic")->size();
    click("ToolButton2");
    EXPECT_EQ(image->size(), pane);
    EXPECT_TRUE(image->hasScaledContents());
    click("ToolButton7");
    EXPECT_EQ(image->size(), pane);
    EXPECT_FALSE(image->hasScaledContents());
}

TEST_F(PictureViewing, DraggingKeepsTheWidePictureInsideItsPanel)
{
    QLabel *page = pictureOnPage(3000, 2000);
    const QSize panel = find<QWidget>("Panel2")->size();
    ASSERT_LT(panel.width(), 3000);
    EXPECT_EQ(find<QWidget>("Label4")->toolTip(), kDragHint);
    EXPECT_EQ(find<QWidget>("Label4")->cursor().shape(), Qt::OpenHandCursor);

    drag("Label4", { 100, 100 }, { 60, 70 });
    EXPECT_EQ(page->pos(), QPoint(-40, -30));
    mouse("Label4", QEvent::MouseMove, Qt::LeftButton, { -9000, -9000 });
    EXPECT_EQ(page->pos(), QPoint(panel.width() - 3000, panel.height() - 2000));
    mouse("Label4", QEvent::MouseMove, Qt::LeftButton, { 9000, 9000 });
    EXPECT_EQ(page->pos(), QPoint(0, 0));
    mouse("Label4", QEvent::MouseButtonRelease, Qt::LeftButton, { 9000, 9000 });
    // After the release a move drags nothing.
    mouse("Label4", QEvent::MouseMove, Qt::LeftButton, { 0, 0 });
    EXPECT_EQ(page->pos(), QPoint(0, 0));
}

TEST_F(PictureViewing, ANarrowPictureStaysAtLeftZeroAndTheRightButtonStartsNoDrag)
{
    QLabel *page = pictureOnPage(40, 3000);
    EXPECT_EQ(find<QWidget>("Label4")->toolTip(), kDragHint);
    drag("Label4", { 20, 500 }, { 300, 400 });
    EXPECT_EQ(page->pos(), QPoint(0, -100));
    mouse("Label4", QEvent::MouseButtonRelease, Qt::LeftButton, { 300, 400 });

    drag("Label4", { 20, 500 }, { 20, 200 }, Qt::RightButton);
    EXPECT_EQ(page->pos(), QPoint(0, -100));

    pictureOnPage(40, 30);
    EXPECT_TRUE(find<QWidget>("Label4")->toolTip().isEmpty());
    EXPECT_EQ(find<QWidget>("Label4")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PictureViewing, DoubleClickEnlargesThePaneAndRestoresItsNeighbours)
{
    selectNode(21); // memo and picture
    ASSERT_TRUE(shown("Pan_fz"));
    ASSERT_TRUE(shown("Pan_pic"));
    mouse("Label3", QEvent::MouseButtonDblClick, Qt::LeftButton, { 5, 5 });
    EXPECT_FALSE(window().PictureNormal);
    EXPECT_FALSE(shown("Pan_M"));
    EXPECT_FALSE(shown("Pan_fz"));
    EXPECT_TRUE(shown("Pan_pic"));
    auto *image = find<QLabel>("Image1");
    EXPECT_EQ(image->size(), window().picturePane()->image().size());
    EXPECT_FALSE(image->hasScaledContents());

    mouse("Label3", QEvent::MouseButtonDblClick, Qt::LeftButton, { 5, 5 });
    EXPECT_TRUE(window().PictureNormal);
    EXPECT_TRUE(shown("Pan_M"));
    EXPECT_TRUE(shown("Pan_fz"));
    EXPECT_TRUE(shown("Pan_pic"));
    EXPECT_EQ(image->size(), find<QWidget>("Pan_pic")->size());
}

TEST_F(PictureViewing, TheCardPageEnlargesAPictureAndRestoresWithBothPanesHidden)
{
    selectNode(33);
    window().enlargePicture(picture(2000, 50));
    EXPECT_FALSE(window().PictureNormal);
    EXPECT_FALSE(shown("Pan_M"));
    EXPECT_TRUE(shown("Pan_pic"));
    EXPECT_EQ(find<QLabel>("Image1")->size(), QSize(2000, 50));
    EXPECT_EQ(find<QWidget>("Label3")->toolTip(), kDragHint);

    // A second card's picture replaces the first in the enlarged pane.
    window().enlargePicture(picture(20, 10));
    EXPECT_FALSE(window().PictureNormal);
    EXPECT_EQ(find<QLabel>("Image1")->size(), QSize(20, 10));

    window().Label3DblClick();
    EXPECT_TRUE(window().PictureNormal);
    EXPECT_TRUE(shown("Pan_M"));
    EXPECT_FALSE(shown("Pan_fz"));
    EXPECT_FALSE(shown("Pan_pic"));
}

TEST_F(PictureViewing, OpeningAnotherNodeBringsTheNormalLayoutBack)
{
    selectNode(21);
    window().Label3DblClick();
    selectNode(23);
    EXPECT_TRUE(window().PictureNormal);
    EXPECT_TRUE(shown("Pan_M"));
    EXPECT_TRUE(window().picturePane()->fillsPanel());
}

} // namespace
} // namespace holvane::test
