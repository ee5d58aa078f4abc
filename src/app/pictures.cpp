#include "app/pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource's registration function lives in the global namespace.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace holvane::app {

namespace {

constexpr int kTreeImageSize = 16;
constexpr int kTreeImageGap = 2;
// Drawn at the sizes a toolbar shows them, so none is scaled from another.
constexpr int kToolbarIconSides[] = { 16, 20, 24, 32 };

struct ToolbarPicture {
    const char *button;
    const char *file;
};

// The history buttons carry the system's names: "下一页" is BackBtn.
constexpr ToolbarPicture kToolbarPictures[] = {
    { "BackBtn", "icon_forward" },   { "ForwardBtn", "icon_back" },      { "ToolButton2", "icon_zoomin" },
    { "ToolButton7", "icon_restore" }, { "ToolButton3", "icon_zoomout" }, { "TB_hide_ml", "icon_tree" },
    { "hideBtn", "icon_text" },      { "ToolButton5", "icon_results" },  { "ToolButton8", "icon_query" },
    { "ToolButton13", "icon_search" }, { "ToolButton12", "icon_help" },  { "ToolButton10", "icon_online" },
    { "ToolButton14", "icon_calc" },
};

constexpr const char *kTreeFiles[] = { "tree_closed", "tree_open", "tree_page" };

QString resourcePath(const char *name)
{
    static const bool registered = [] {
        initPictureResources();
        return true;
    }();
    Q_UNUSED(registered);
    return QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".svg");
}

// The drawing rendered to fill the size; on white unless transparent.
QImage render(const char *name, QSize size, bool transparent)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? Qt::transparent : Qt::white);
    QSvgRenderer renderer(resourcePath(name));
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return transparent ? image : image.convertToFormat(QImage::Format_RGB32);
}

QSize naturalSize(const char *name)
{
    return QSvgRenderer(resourcePath(name)).defaultSize();
}

QPixmap treeNodePixmap(int image)
{
    QPixmap pixmap(2 * kTreeImageSize + kTreeImageGap, kTreeImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.drawImage(0, 0, treeImage(2));
    painter.drawImage(kTreeImageSize + kTreeImageGap, 0, treeImage(image));
    return pixmap;
}

} // namespace

QImage splashPicture()
{
    return render("splash", naturalSize("splash"), false);
}

QImage coverPicture(QSize size)
{
    return render("cover", size, false);
}

QImage aboutPicture()
{
    return render("about", naturalSize("about"), false);
}

QImage calculatorStartPicture()
{
    return render("calculator_start", naturalSize("calculator_start"), false);
}

QImage designColumnPicture(QSize size)
{
    return render("design_column", size, false);
}

QIcon toolbarIcon(const QString &buttonName)
{
    for (const ToolbarPicture &picture : kToolbarPictures)
        if (buttonName == QLatin1String(picture.button)) {
            QIcon icon;
            for (const int side : kToolbarIconSides)
                icon.addPixmap(QPixmap::fromImage(render(picture.file, QSize(side, side), true)));
            return icon;
        }
    return {};
}

QImage treeImage(int index)
{
    if (index < 0 || index >= int(std::size(kTreeFiles)))
        return {};
    return render(kTreeFiles[index], QSize(kTreeImageSize, kTreeImageSize), true);
}

QIcon treeNodeIcon()
{
    QIcon icon;
    icon.addPixmap(treeNodePixmap(0), QIcon::Normal);
    icon.addPixmap(treeNodePixmap(1), QIcon::Selected);
    return icon;
}

} // namespace holvane::app
