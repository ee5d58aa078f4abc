#include "store/table.h"
#include "support/tempdir.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace holvane::store;
using holvane::test::TempDir;

namespace {

// Starts the writer, lets it post until it has reported `posts` records, kills
// it with SIGKILL and returns the last number it reported.
int killWriterAfter(const std::filesystem::path &dir, int posts)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(STORE_PROBE, STORE_PROBE, "write", dir.c_str(), "Log", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    FILE *in = fdopen(fds[0], "r");
    int last = -1;
    int n = 0;
    while (last + 1 < posts && std::fscanf(in, "%d", &n) == 1)
        last = n;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::fclose(in);
    return last;
}

TEST(Durability, KilledWriterLeavesEveryPostedRecord)
{
    TempDir dir;
    Table::create(dir.path(), "Log",
                  {{"N", FieldType::Int32, 0}, {"Text", FieldType::Text, 40}, {"Half", FieldType::Float, 0}});
    int expectedAtLeast = 0;
    // Several kills at different moments; each run appends to what is there.
    for (int round = 0; round < 4; ++round) {
        const int reported = killWriterAfter(dir.path(), 40 + round * 37);
        ASSERT_GE(reported, 0) << "the writer reported nothing";

        Table t;
        t.setPath(dir.path(), "Log");
        ASSERT_NO_THROW(t.open()) << "round " << round;
        expectedAtLeast += reported + 1;
        EXPECT_GE(t.recordCount(), expectedAtLeast);
        int inThisRun = -1;
        for (t.first(); !t.eof(); t.next()) {
            const int i = static_cast<int>(t.value("N").integer());
            EXPECT_EQ(t.text("Text"), "记录" + std::to_string(i) + std::string(static_cast<size_t>(i % 300), 'x'));
            EXPECT_EQ(t.value("Half"), Value(i / 2.0));
            if (i == 0)
                inThisRun = 0;
            else
                ++inThisRun;
            EXPECT_EQ(i, inThisRun) << "records of a run are in order and none is missing";
        }
        expectedAtLeast = t.recordCount();
    }
}

} // namespace
