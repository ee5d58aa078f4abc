#include "evaltool.h"
#include "support/tempdir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

using namespace holvane::formula;

namespace {

std::string line(const std::string &input, EvalToolOptions options = {})
{
    EvalTool tool(options);
    return tool.processLine(input);
}

TEST(EvalTool, OneLineInOneLineOut)
{
    EXPECT_EQ(line("2+3*4"), "= 14");
    EXPECT_EQ(line("1/0"), "! 除数为0 错误!");
    EXPECT_EQ(line("a*b+a\t2\t3"), "= 8");
    EXPECT_EQ(line("a*b+a\t2"), "! 请给所有变量赋值！");
    EXPECT_EQ(line("a*b+a\t2\t"), "! 请给所有变量赋值！");
    EXPECT_EQ(line("a*b+a\t\t3"), "! 请给所有变量赋值！");
    EXPECT_EQ(line("exp1000"), "x");
    EXPECT_EQ(line("x\t1e999"), "x");
    EXPECT_EQ(line("2+"), "-");
    EXPECT_EQ(line(""), "-");
    EXPECT_EQ(line("sin30\r"), "= 0.5");
    EXPECT_EQ(line("x\tabc"), "! 变量不是数字！");
    EXPECT_EQ(line("x+1\t2\t99"), "= 3"); // values beyond the variables are not read
    EXPECT_EQ(line("夹紧力*系数\t2\t3"), "= 6");
}

TEST(EvalTool, Profiles)
{
    EvalToolOptions calculator;
    calculator.calculator = true;
    EXPECT_EQ(line("2 * x\t3"), "! 请给所有变量赋值！"); // shared: " " and " x"
    EXPECT_EQ(line("2 * x\t3\t4"), "= 2");
    EXPECT_EQ(line("2 * x\t3", calculator), "= 6");
    EvalToolOptions radians = calculator;
    radians.radians = true;
    EXPECT_EQ(line("sin30", calculator), "= 0.5");
    EXPECT_EQ(line("sin30", radians), "= -0.988031624092862");
    EXPECT_EQ(line(std::string(40, '-') + "1", calculator), "-");
    EXPECT_EQ(line(std::string(40, '-') + "1"), "= 1");
}

TEST(EvalTool, ListsVariables)
{
    EvalToolOptions vars;
    vars.listVariables = true;
    EXPECT_EQ(line("a*b+a", vars), "a\tb");
    EXPECT_EQ(line("abcdefgh+lN1*x1\t1\t2", vars), "abcdef\tgh\tlN1\tx1");
    EXPECT_EQ(line("2+3", vars), "");
    EXPECT_EQ(line("a机床夹具", vars), "a机床?\t?具");
    vars.calculator = true;
    EXPECT_EQ(line("2 * x", vars), "x");
}

TEST(EvalTool, Arguments)
{
    EvalToolOptions o;
    std::string error;
    EXPECT_TRUE(parseEvalToolArguments({ "--calculator", "--radians", "--vars" }, o, error));
    EXPECT_TRUE(o.calculator && o.radians && o.listVariables);
    EvalToolOptions p;
    EXPECT_FALSE(parseEvalToolArguments({ "--radians" }, p, error));
    EXPECT_FALSE(parseEvalToolArguments({ "--bogus" }, p, error));
}

TEST(EvalTool, RunsEveryLine)
{
    std::istringstream in("1+1\n\n2*3\n1/0");
    std::ostringstream out;
    EvalTool tool({});
    tool.run(in, out);
    EXPECT_EQ(out.str(), "= 2\n-\n= 6\n! 除数为0 错误!\n");
}

int runTool(const std::string &args, const std::filesystem::path &in, const std::filesystem::path &out)
{
    const std::string command = std::string("'") + HOLVANE_EVAL_EXE + "' " + args + " < '" + in.string() + "' > '"
        + out.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EvalToolExecutable, EndToEnd)
{
    holvane::test::TempDir dir;
    holvane::test::writeFile(dir / "in.txt",
        "2+3*4\n"
        "(2+3]*4\n"
        "2^3^2\n"
        "-2^2\n"
        "sqrt(-4)\n"
        "arcsin2\n"
        "cot0\n"
        "ln0\n"
        "Td/(2*sin(alf/2))\t0.1\t90\n"
        "K*sqrt((2*M/D)^2+Fx^2)/(n*f)\t2.5\t45000\t50\t600\t3\t0.2\n"
        "a*b\t2\n"
        "exp1000\n"
        "()\n"
        "sin30\n");
    ASSERT_EQ(runTool("", dir / "in.txt", dir / "out.txt"), 0);
    EXPECT_EQ(holvane::test::readFile(dir / "out.txt"),
        "= 14\n"
        "= 20\n"
        "= 64\n"
        "! 幂底数 <=0 错误!\n"
        "! 被开方数 <0 错误\n"
        "! arcsin(x): |X|>1错误\n"
        "! 角度是90度的偶数倍错误\n"
        "! 真数<=0， 错误!\n"
        "= 0.0707106781186548\n"
        "= 7905.69415042095\n"
        "! 请给所有变量赋值！\n"
        "x\n"
        "-\n"
        "= 0.5\n");

    ASSERT_EQ(runTool("--calculator --radians", dir / "in.txt", dir / "rad.txt"), 0);
    const std::string rad = holvane::test::readFile(dir / "rad.txt");
    EXPECT_NE(rad.find("= -0.988031624092862\n"), std::string::npos);

    holvane::test::writeFile(dir / "vars.txt", "a*b+a\nK*sqrt((2*M/D)^2+Fx^2)/(n*f)\n");
    ASSERT_EQ(runTool("--vars", dir / "vars.txt", dir / "vars.out"), 0);
    EXPECT_EQ(holvane::test::readFile(dir / "vars.out"), "a\tb\nK\tM\tD\tFx\tn\tf\n");

    EXPECT_EQ(runTool("--radians", dir / "in.txt", dir / "bad.txt"), 2);
}

} // namespace
