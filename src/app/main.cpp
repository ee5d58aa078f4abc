// The program entry: one copy at a time, the splash, the windows of the run,
// the message loop.
//
// The windows of a run, in the order they are created, with owner and life:
//   TMainForm         main; whole run                           (here)
//   Tfrm_cxls         main; whole run, used by the calculators  (result history)
//   Tfrm_cxjg         main; whole run, used by the page frames  (query results)
//   Tfrm_find, Tfrm_search   main; whole run; the toolbar makes new ones per command
//   TfrmNr            on first use; a new one serves each request (user formulas)
//   TForm3            main; whole run                            (calculator about box)
//   Tfrmmsg           main; whole run, used through ShowMessageWindow
//   TImageForm        main; whole run, the enlarged picture
//   the fifteen design calculators: on first use; ShowPage creates one anew
//                     at each opening inside PPrg and frees the one before
//   TFrmZoom2         main; whole run
//   Tjsform           main; whole run; the menu makes a new one per command
//   TFrmreport        main; whole run, after Tjsform, which it refers to
// Each is created here, in this order, as its window lands; the whole-run
// ones are recorded in AppContext::windows.
#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/fontsetup.h"
#include "app/instancelock.h"
#include "app/messageservice.h"
#include "app/pageregistration.h"
#include "app/shellwindows.h"
#include "app/startup.h"
#include "app/tfrm_flash.h"
#include "app/tmainform.h"
#include "app/tour.h"
#include "calculator/calculatorregistration.h"
#include "query/querywindows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

struct Options {
    QString tourDir;
    bool startupOnly = false;
    int splashWaitMs = holvane::app::kDefaultSplashWaitMs;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tour" && i + 1 < argc) {
            options.tourDir = QString::fromLocal8Bit(argv[++i]);
            options.splashWaitMs = 0;
        } else if (arg == "--startup-only") {
            options.startupOnly = true;
            options.splashWaitMs = 0;
        } else if (arg == "--splash-wait" && i + 1 < argc) {
            options.splashWaitMs = std::max(0, std::atoi(argv[++i]));
        }
    }
    return options;
}

// A run without a person (tour, start-up timing) on the offscreen platform
// gets the 1024 x 768 screen the windows are laid out for.
void useDesignScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const QString file = QDir::temp().filePath(QStringLiteral("holvane-screen-%1.json").arg(getuid()));
    QFile json(file);
    if (json.open(QIODevice::WriteOnly | QIODevice::Truncate))
        json.write(R"({"screens":[{"name":"s1","x":0,"y":0,"width":1024,"height":768,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.toLocal8Bit());
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace holvane::app;
    const Options options = parseOptions(argc, argv);
    const bool headless = !options.tourDir.isEmpty() || options.startupOnly;
    if (headless)
        useDesignScreen();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf8(kProgramTitle));
    installFontsAndTranslation(app);

    std::unique_ptr<MessageService> messages;
    if (headless)
        messages = std::make_unique<StreamMessageService>();
    else
        messages = std::make_unique<BoxMessageService>();

    InstanceLock lock(InstanceLock::lockDirectory(), kLockName);
    if (!lock.acquired()) {
        messages->inform(QString::fromUtf8(kAlreadyRunning), QString::fromUtf8(kAlreadyRunningCaption));
        return 0;
    }

    QApplication::processEvents();
    auto splash = std::make_unique<Tfrm_flash>();
    splash->show();
    splash->repaint();

    DesktopService desktop;
    AppContext context(QCoreApplication::applicationDirPath().toStdString(), *messages, desktop);
    context.splashWaitMs = options.splashWaitMs;
    registerPages(context);

    TMainForm mainForm(context);
    holvane::query::createQueryWindows(context, mainForm);
    createShellWindows(context, mainForm);
    holvane::calculator::createCalculatorWindows(context, mainForm);
    mainForm.showMaximized();
    splash.reset();

    if (!options.tourDir.isEmpty()) {
        for (const QString &file : runTour(mainForm, options.tourDir))
            std::cout << file.toStdString() << std::endl;
        return 0;
    }
    if (options.startupOnly) {
        QApplication::processEvents();
        return 0;
    }
    const int rc = QApplication::exec();
    lock.release();
    return rc;
}
