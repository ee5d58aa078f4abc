// The program's own pictures come out of the built-in resources at the size
// they are shown, with something drawn on them.
#include "app/pictures.h"
#include "app/treeimagedelegate.h"

#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>

using namespace holvane::app;

namespace {

// Pixels that differ from the top left one: a picture that failed to load
// renders as one flat colour.
int drawnPixels(const QImage &image)
{
    const QRgb background = image.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != background;
    return drawn;
}

struct Picture {
    const char *name;
    std::function<QImage()> render;
    QSize size;
};

TEST(Pictures, EachRendersAtItsSizeWithADrawing)
{
    const Picture pictures[] = {
        { "splash", splashPicture, QSize(401, 300) },
        { "cover", [] { return coverPicture(QSize(700, 480)); }, QSize(700, 480) },
        { "about", aboutPicture, QSize(70, 90) },
        { "calculator start", calculatorStartPicture, QSize(300, 200) },
        { "design column", [] { return designColumnPicture(QSize(150, 700)); }, QSize(150, 700) },
        { "tree image 0", [] { return treeImage(0); }, QSize(16, 16) },
        { "tree image 1", [] { return treeImage(1); }, QSize(16, 16) },
        { "tree image 2", [] { return treeImage(2); }, QSize(16, 16) },
    };
    for (const Picture &picture : pictures) {
        const QImage image = picture.render();
        EXPECT_EQ(image.size(), picture.size) << picture.name;
        EXPECT_GT(drawnPixels(image), image.width() * image.height() / 50) << picture.name;
    }
    EXPECT_TRUE(treeImage(3).isNull());
    EXPECT_TRUE(treeImage(-1).isNull());
}

TEST(Pictures, EveryToolbarButtonHasItsIcon)
{
    const char *const buttons[] = { "BackBtn",     "ForwardBtn",   "ToolButton2",  "ToolButton7", "ToolButton3",
                                    "TB_hide_ml",  "hideBtn",      "ToolButton5",  "ToolButton8", "ToolButton13",
                                    "ToolButton12", "ToolButton10", "ToolButton14" };
    for (const char *button : buttons) {
        const QIcon icon = toolbarIcon(QString::fromLatin1(button));
        ASSERT_FALSE(icon.isNull()) << button;
        const QImage image = icon.pixmap(QSize(20, 20)).toImage();
        EXPECT_EQ(image.size(), QSize(20, 20)) << button;
        EXPECT_GT(drawnPixels(image), 20) << button;
    }
    EXPECT_TRUE(toolbarIcon(QStringLiteral("NoSuchButton")).isNull());
    // The two history buttons point opposite ways.
    EXPECT_NE(toolbarIcon(QStringLiteral("BackBtn")).pixmap(32).toImage(),
              toolbarIcon(QStringLiteral("ForwardBtn")).pixmap(32).toImage());
}

TEST(Pictures, TreeNodesShowTheStateImageBesideImageZeroOrOne)
{
    const QIcon icon = treeNodeIcon();
    const QImage normal = icon.pixmap(QSize(34, 16), QIcon::Normal).toImage();
    const QImage selected = icon.pixmap(QSize(34, 16), QIcon::Selected).toImage();
    EXPECT_EQ(normal.copy(0, 0, 16, 16), selected.copy(0, 0, 16, 16)); // the state image
    EXPECT_NE(normal.copy(18, 0, 16, 16), selected.copy(18, 0, 16, 16));

    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("第一章 工件的定位")));
    QTreeView view;
    view.setModel(&model);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    const int plain = view.itemDelegate()->sizeHint(option, model.index(0, 0)).width();
    TreeImageDelegate delegate;
    EXPECT_GE(delegate.sizeHint(option, model.index(0, 0)).width(), plain + 34);
}

} // namespace
