// holvane-pack as the build runs it: exit status and the message on stderr.
#include "packfixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace holvane;
using holvane::test::TempDir;

namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun runPacker(const std::string &arguments)
{
    const std::string command = std::string(HOLVANE_PACK_EXE) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    ToolRun run { -1, {} };
    if (!pipe)
        return run;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const fs::path &p)
{
    return "'" + p.string() + "'";
}

TEST(PackTool, PacksTheFixtureSilently)
{
    TempDir out;
    const ToolRun run = runPacker(quoted(test::fixtureContent()) + " " + quoted(out.path()));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(fs::is_regular_file(out / "database" / "VTree.DB"));
}

TEST(PackTool, RefusedSourceExitsWithFileAndLine)
{
    TempDir source, out;
    test::copyTree(test::fixtureContent(), source.path());
    test::writeFile(source / "catalogue.tree", "[1] 封面\n[2] 文本\n    frame: 4\n    table: meiyou\n");
    const ToolRun run = runPacker(quoted(source.path()) + " " + quoted(out.path()));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("holvane-pack: catalogue.tree:4: "), std::string::npos) << run.output;
}

TEST(PackTool, WrongArgumentsShowTheUsage)
{
    const ToolRun run = runPacker("only-one");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("holvane-pack"), std::string::npos) << run.output;
}

} // namespace
