#include "appfixture.h"
#include "app/instancelock.h"
#include "app/startup.h"
#include "support/tempdir.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

TEST(InstanceLock, OneHolderAtATime)
{
    TempDir dir;
    auto first = std::make_unique<app::InstanceLock>(dir.path(), app::kLockName);
    ASSERT_TRUE(first->acquired());
    EXPECT_EQ(first->file().filename().u8string(), std::string(app::kLockName) + ".lock");
    app::InstanceLock second(dir.path(), app::kLockName);
    EXPECT_FALSE(second.acquired());
    first.reset();
    app::InstanceLock third(dir.path(), app::kLockName);
    EXPECT_TRUE(third.acquired());
}

// The program started while another process holds the lock says so and ends
// without a window; with the lock free it runs.
TEST(InstanceLock, ASecondProgramIsRefused)
{
    TempDir dir;
    TempDir shots;
    // The program runs from a copy of the packed fixture, as from its AppDir.
    TempDir install;
    std::filesystem::copy(packedFixture(), install / "AppDir", std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(HOLVANE_EXE, install / "AppDir" / "holvane");
    const QString exe = QString::fromStdString((install / "AppDir" / "holvane").string());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOLVANE_LOCK_DIR"), QString::fromStdString(dir.path().string()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString shotDir = QString::fromStdString(shots.path().string());

    const auto run = [&](QByteArray &err) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(exe, {QStringLiteral("--tour"), shotDir});
        EXPECT_TRUE(program.waitForFinished(60000));
        err = program.readAllStandardError();
        return program.exitCode();
    };

    app::InstanceLock held(dir.path(), app::kLockName);
    ASSERT_TRUE(held.acquired());
    QByteArray err;
    EXPECT_EQ(run(err), 0);
    EXPECT_TRUE(err.contains("注意!: 此程序已启动")) << err.toStdString();
    EXPECT_TRUE(QDir(shotDir).entryList(QDir::Files).isEmpty());

    held.release();
    EXPECT_EQ(run(err), 0);
    EXPECT_FALSE(err.contains("此程序已启动"));
    EXPECT_FALSE(QDir(shotDir).entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty());
}

} // namespace
} // namespace holvane::test
