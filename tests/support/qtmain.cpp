#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

// Interface tests run without a display on Qt's offscreen platform, on a
// 1024 x 768 screen: the size every window is laid out for.
int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    const QByteArray screenFile = runtimeDir.filePath(QStringLiteral("screen.json")).toLocal8Bit();
    {
        QFile f(QString::fromLocal8Bit(screenFile));
        f.open(QIODevice::WriteOnly);
        f.write(R"({"screens":[{"name":"s1","x":0,"y":0,"width":1024,"height":768,)"
                R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    }
    if (qEnvironmentVariableIsEmpty("HOLVANE_TEST_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenFile);
    else
        qputenv("QT_QPA_PLATFORM", qgetenv("HOLVANE_TEST_PLATFORM"));
    QFile::setPermissions(runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());

    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
