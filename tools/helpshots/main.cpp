// holvane-helpshots APPDIR OUTDIR: the screenshots of the help documents.
// Runs the program's windows over a packed AppDir on the offscreen platform
// with the 1024 x 768 screen they are laid out for, opens a few catalogue
// nodes as a reader would, and saves each view as a PNG in OUTDIR.
#include "app/appcontext.h"
#include "app/data/treemodel.h"
#include "app/desktopservice.h"
#include "app/fontsetup.h"
#include "app/messagerecorder.h"
#include "app/pageregistration.h"
#include "app/tmainform.h"
#include "calculator/calculatorregistration.h"
#include "query/querywindows.h"
#include "store/table.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTreeView>

#include <iostream>

namespace {

struct Shot {
    int cid;          // the catalogue node opened; 0 for the window as shown
    const char *file; // under OUTDIR
    const char *window; // a window of its own to grab instead of the main window
};

// The nodes the help documents show, by their stable catalogue ids.
constexpr Shot kShots[] = {
    { 0, "zhuchuangkou.png", nullptr },   // the cover
    { 911, "wenziyemian.png", nullptr },  // 斜楔夹紧原理与计算
    { 2210, "shujubiao.png", nullptr },   // 夹紧用螺纹数据
    { 2101, "kapian.png", nullptr },      // 支承钉与支承板
    { 2910, "quxian.png", nullptr },      // 圆偏心夹紧力与转角
    { 524, "shejijisuan.png", nullptr },  // 典型夹紧力计算
    { 9000, "gongchengjisuanqi.png", "jsform" },
};

void useDesignScreen(const QString &folder)
{
    const QString file = QDir(folder).filePath(QStringLiteral("screen.json"));
    QFile json(file);
    if (json.open(QIODevice::WriteOnly | QIODevice::Truncate))
        json.write(R"({"screens":[{"name":"s1","x":0,"y":0,"width":1024,"height":768,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.toLocal8Bit());
}

int positionOf(holvane::app::TMainForm &window, int cid)
{
    holvane::store::Table &tree = window.T_Tree();
    const int field = tree.fieldIndex("CID");
    for (int i = 0; i < tree.recordCount(); ++i)
        if (tree.valueAt(i, field).integer() == cid)
            return i;
    return -1;
}

bool save(QWidget &widget, const QString &path)
{
    QApplication::processEvents();
    return widget.grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace holvane;
    if (argc != 3) {
        std::cerr << "usage: holvane-helpshots APPDIR OUTDIR" << std::endl;
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    useDesignScreen(QDir::tempPath());
    QApplication qapp(argc, argv);
    app::installFontsAndTranslation(qapp);

    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    app::AppContext context(std::filesystem::u8path(argv[1]), messages, desktop,
                            std::filesystem::u8path(QDir(out).filePath(QStringLiteral(".aliases.conf")).toStdString()));
    context.splashWaitMs = 0;
    app::registerPages(context);
    app::TMainForm window(context);
    query::createQueryWindows(context, window);
    calculator::createCalculatorWindows(context, window);
    window.showMaximized();

    int failures = 0;
    for (const Shot &shot : kShots) {
        if (shot.cid != 0) {
            const int position = positionOf(window, shot.cid);
            if (position < 0) {
                std::cerr << "holvane-helpshots: no catalogue node " << shot.cid << std::endl;
                ++failures;
                continue;
            }
            window.m_treeView()->setCurrentIndex(window.treeModel()->indexOfPosition(position));
            QApplication::processEvents();
        }
        QWidget *target = &window;
        if (shot.window) {
            target = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->objectName() == QLatin1String(shot.window))
                    target = top;
        }
        const QString path = QDir(out).filePath(QString::fromLatin1(shot.file));
        if (!target || !save(*target, path)) {
            std::cerr << "holvane-helpshots: " << shot.file << " not written" << std::endl;
            ++failures;
            continue;
        }
        std::cout << path.toStdString() << std::endl;
    }
    for (const QString &text : messages.texts())
        std::cerr << "holvane-helpshots: message: " << text.toStdString() << std::endl;
    QFile::remove(QDir(out).filePath(QStringLiteral(".aliases.conf")));
    return failures == 0 && messages.texts().empty() ? 0 : 1;
}
