#include "formula/formulaevaluator.h"
#include "text/gbk.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace holvane::formula;

namespace {

class RecordingSink : public MessageSink {
public:
    void show(const std::string &text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

using Rows = std::vector<std::pair<std::string, std::string>>;

enum class Profile { Shared, Calculator, CalculatorRadians };

EvaluatorProfile profileOf(Profile p)
{
    return p == Profile::Shared ? EvaluatorProfile::shared() : EvaluatorProfile::calculator();
}

// Runs the calling order of every window (Tokenize, BindVariables, Evaluate)
// and gives the outcome as holvane-eval writes it: "= TEXT", "! MESSAGE", "x"
// or "-". More than one message would be a fault and shows as "!!".
std::string outcome(Profile p, const std::string &formula, const std::vector<std::string> &values = {})
{
    RecordingSink sink;
    FormulaEvaluator evaluator(profileOf(p), sink);
    if (p == Profile::CalculatorRadians) {
        EXPECT_TRUE(evaluator.setAngleUnit(AngleUnit::Radians));
    }
    evaluator.Tokenize(formula);
    ListValueGrid grid;
    const std::vector<std::string> names = evaluator.variableNames();
    for (size_t k = 0; k < names.size(); ++k)
        grid.addRow(names[k], k < values.size() ? values[k] : std::string());
    std::string result = "untouched";
    try {
        if (evaluator.BindVariables(grid) && evaluator.Evaluate(result))
            return sink.messages.empty() ? "= " + result : "!! message and result";
    } catch (const ArithmeticError &) {
        return sink.messages.empty() ? "x" : "!! message and error";
    }
    if (result != "untouched")
        return "!! result text changed on failure";
    if (sink.messages.size() > 1)
        return "!! " + std::to_string(sink.messages.size()) + " messages";
    return sink.messages.empty() ? "-" : "! " + sink.messages.front();
}

struct EvalCase {
    const char *formula;
    std::vector<std::string> values;
    const char *expected;
};

void PrintTo(const EvalCase &c, std::ostream *os)
{
    *os << '"' << c.formula << '"';
}

class SharedProfileCases : public testing::TestWithParam<EvalCase> { };
class CalculatorDegreeCases : public testing::TestWithParam<EvalCase> { };
class CalculatorRadianCases : public testing::TestWithParam<EvalCase> { };

TEST_P(SharedProfileCases, GivesTheDocumentedOutcome)
{
    EXPECT_EQ(outcome(Profile::Shared, GetParam().formula, GetParam().values), GetParam().expected);
}
TEST_P(CalculatorDegreeCases, GivesTheDocumentedOutcome)
{
    EXPECT_EQ(outcome(Profile::Calculator, GetParam().formula, GetParam().values), GetParam().expected);
}
TEST_P(CalculatorRadianCases, GivesTheDocumentedOutcome)
{
    EXPECT_EQ(outcome(Profile::CalculatorRadians, GetParam().formula, GetParam().values), GetParam().expected);
}

// The documented edge cases and examples; they hold in both profiles
// (no spaces in the formulas) and, without trigonometry, in both angle units.
const std::vector<EvalCase> kCommonCases = {
    { "2+3*4", {}, "= 14" },
    { "(2+3)*4", {}, "= 20" },
    { "[2+3]*{4}", {}, "= 20" },
    { "(2+3]*4", {}, "= 20" },
    { "{2+3)*4", {}, "= 20" },
    { "2^3^2", {}, "= 64" },
    { "2^-1", {}, "= 0.5" },
    { "-2^2", {}, "! 幂底数 <=0 错误!" },
    { "(-2)^2", {}, "! 幂底数 <=0 错误!" },
    { "0^2", {}, "! 幂底数 <=0 错误!" },
    { "sqr3", {}, "= 9" },
    { "sqrt16", {}, "= 4" },
    { "sqrt(-4)", {}, "! 被开方数 <0 错误" },
    { "sqr(-3)", {}, "= 9" },
    { "ln0", {}, "! 真数<=0， 错误!" },
    { "ln(-1)", {}, "! 真数<=0， 错误!" },
    { "LN1", {}, "= 0" },
    { "Ln1", {}, "= 0" },
    { "ln1", {}, "= 0" },
    { "lN1", { "7" }, "= 7" },
    { "1/0", {}, "! 除数为0 错误!" },
    { "1/0.0", {}, "! 除数为0 错误!" },
    { "1/(2-2)", {}, "! 除数为0 错误!" },
    { "2*(3+4", {}, "= 14" },
    { "2+", {}, "-" },
    { "*3", {}, "-" },
    { "()", {}, "-" },
    { "", {}, "-" },
    { "(", {}, "-" },
    { "ln", {}, "-" },
    { "--5", {}, "= 5" },
    { "-+-5", {}, "= 5" },
    { "3-2", {}, "= 1" },
    { "(1)-2", {}, "= -1" },
    { "(2)(3)", {}, "= 2" },
    { "lnln2", {}, "-" },
    { "ln x^2", {}, "! 请给所有变量赋值！" }, // shared: " x" is one variable; calculator: x
    { "lnx^2", { "10" }, "= 5.3018981104784" },
    { "exp1", {}, "= 2.71828182845905" },
    { "exp(-1000)", {}, "= 0" },
    { "abs(-2.5)", {}, "= 2.5" },
    { "-2.5", {}, "= -2.5" },
    { "1/3", {}, "= 0.333333333333333" },
    { "2/3", {}, "= 0.666666666666667" },
    { "0.00001", {}, "= 1E-5" },
    { "0.0001", {}, "= 0.0001" },
    { "1200", {}, "= 1200" },
    { "10^14", {}, "= 100000000000000" },
    { "10^15", {}, "= 1E15" },
    { "10^20", {}, "= 1E20" },
    { "1234567890123456", {}, "= 1.23456789012346E15" },
    { "2.", {}, "= 2" },
    { "1.2.3", { "4" }, "= 1.2" }, // 1.2 then the variable .3: two values, the first is the result
    { "1e5", { "3" }, "= 1" },
    { "1e5", {}, "! 请给所有变量赋值！" },
    { "x1*2", { "4" }, "= 8" },
    { "a*b+a", { "2", "3" }, "= 8" },
    { "a*b+a", { "2", "" }, "! 请给所有变量赋值！" },
    { "a*b+a", { "2" }, "! 请给所有变量赋值！" },
    { "a*b+A", { "2", "3", "4" }, "= 10" }, // names are case-sensitive
    { "abcdefgh", { "5", "6" }, "= 5" },
    { "abcdef+1", { "5" }, "= 6" },
    { "abcdefgh+1", { "5", "6" }, "= 5" }, // abcdef, then gh+1: two values
    { "x", { "abc" }, "! 变量不是数字！" },
    { "x", { "1,5" }, "! 变量不是数字！" },
    { "x", { " 12 " }, "= 12" },
    { "x", { "-1.5e-3" }, "= -0.0015" },
    { "x+y", { "1e2", "+.5" }, "= 100.5" },
    { "x*2", { "1e-400" }, "= 0" },
    // Left to the implementer: a closing bracket with no bracket open.
    { ")", {}, "-" },
    { "2)", {}, "-" },
    { "(2))+3", {}, "-" },
    { "]2", {}, "-" },
    // Arithmetic beyond the double range reaches the caller.
    { "exp1000", {}, "x" },
    { "10^400", {}, "x" },
    { "2^1024", {}, "x" },
    { "2^1023*2", {}, "x" },
    { "x*y", { "1e308", "1e308" }, "x" },
    { "x-y", { "-1.7e308", "1.7e308" }, "x" },
    { "1/x", { "1e-310" }, "x" },
    { "sqrx", { "1e200" }, "x" },
    { "x", { "1e400" }, "x" },
    { "x", { "1.7976931348623157e308" }, "= 1.79769313486232E308" },
};

// Degrees: the shared instance always, the calculator instance by default.
const std::vector<EvalCase> kDegreeCases = {
    { "sin30", {}, "= 0.5" },
    { "cos60", {}, "= 0.5" },
    { "tan45", {}, "= 1" },
    { "cot45", {}, "= 1" },
    { "arccot1", {}, "= 45" },
    { "arctan1", {}, "= 45" },
    { "arcsin0.5", {}, "= 30" },
    { "arccos0.5", {}, "= 60" },
    { "arcsin2", {}, "! arcsin(x): |X|>1错误" },
    { "arcsin(-2)", {}, "! arcsin(x): |X|>1错误" },
    { "arccos2", {}, "! arccos(x): |X|>1错误" },
    { "cot0", {}, "! 角度是90度的偶数倍错误" },
    { "tan90", {}, "= 1.63312393531954E16" },
    { "-sin30", {}, "= -0.5" },
    { "sin-30", {}, "= -0.5" },
    { "sinln2", {}, "-" },
    { "sin", {}, "-" },
    { "sin(ln2)", {}, "= 0.0120974054119822" },
    { "lnsin30", {}, "= -0.693147180559945" },
    { "sin30^2", {}, "= 0.25" },
    { "sinx", { "30" }, "= 0.5" },
    { "cost", { "60" }, "= 0.5" },
    { "Sin30", { "7" }, "= 7" },
    { "2*sin(alf/2)", { "60" }, "= 1" },
    { "Td/(2*sin(alf/2))", { "0.1", "90" }, "= 0.0707106781186548" },
    // 2^63 degrees: the argument reaches the x87 limit; sine and cosine give 0.
    { "sin(10^21)", {}, "= 0" },
    { "cos(10^21)", {}, "= 0" },
    { "tan(10^21)", {}, "! 角度是90度的奇数倍错误" },
    { "cot(10^21)", {}, "! 角度是90度的偶数倍错误" },
};

const std::vector<EvalCase> kRadianCases = {
    { "sin30", {}, "= -0.988031624092862" },
    { "cos0", {}, "= 1" },
    { "arctan1", {}, "= 0.785398163397448" },
    { "arccot1", {}, "= 0.785398163397448" },
    { "arcsin1", {}, "= 1.5707963267949" },
    { "arcsin2", {}, "! arcsin(x): |X|>1错误" },
    { "cot0", {}, "! 角度是90度的偶数倍错误" },
    { "sin(x/2)", { "3.14159265358979" }, "= 1" },
    { "sin9223372036854775808", {}, "= 0" },
    { "cos(10^19)", {}, "= 0" },
};

std::vector<EvalCase> join(std::vector<EvalCase> a, const std::vector<EvalCase> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(Evaluator, SharedProfileCases, testing::ValuesIn(join(kCommonCases, kDegreeCases)));
INSTANTIATE_TEST_SUITE_P(Evaluator, CalculatorDegreeCases, testing::ValuesIn(join(kCommonCases, kDegreeCases)));
INSTANTIATE_TEST_SUITE_P(Evaluator, CalculatorRadianCases, testing::ValuesIn(join(kCommonCases, kRadianCases)));

// ---- Tokenize ----

// The token list as "kind:text" items separated by spaces.
std::string tokens(Profile p, std::string_view formula, bool gbk = false)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(profileOf(p), sink);
    if (gbk)
        evaluator.TokenizeGbk(formula);
    else
        evaluator.Tokenize(formula);
    std::string out;
    for (int k = 1; k <= evaluator.tokenCount(); ++k) {
        const GongsiNode n = evaluator.node(k);
        if (!out.empty())
            out += ' ';
        out += std::to_string(n.kind) + ":" + holvane::text::fromGbk(n.text);
    }
    EXPECT_TRUE(sink.messages.empty());
    return out;
}

struct TokenCase {
    const char *formula;
    const char *shared;
    const char *calculator; // nullptr: as the shared
};

void PrintTo(const TokenCase &c, std::ostream *os)
{
    *os << '"' << c.formula << '"';
}

class TokenizeCases : public testing::TestWithParam<TokenCase> { };

TEST_P(TokenizeCases, BuildsTheTokenList)
{
    const TokenCase &c = GetParam();
    EXPECT_EQ(tokens(Profile::Shared, c.formula), c.shared);
    EXPECT_EQ(tokens(Profile::Calculator, c.formula), c.calculator ? c.calculator : c.shared);
}

INSTANTIATE_TEST_SUITE_P(Evaluator, TokenizeCases,
    testing::Values(TokenCase { "1.2.3", "1:1.2 2:.3", nullptr }, TokenCase { "1e5", "1:1 2:e5", nullptr },
        TokenCase { "2.", "1:2.", nullptr }, TokenCase { "x1", "2:x1", nullptr },
        TokenCase { "1x", "1:1 2:x", nullptr }, TokenCase { "lnx", "50:ln 2:x", nullptr },
        TokenCase { "cost", "61:cos 2:t", nullptr }, TokenCase { "Sin30", "2:Sin30", nullptr },
        TokenCase { "lN1", "2:lN1", nullptr }, TokenCase { "LN1", "50:LN 1:1", nullptr },
        TokenCase { "Ln1", "50:Ln 1:1", nullptr }, TokenCase { "abcdefgh", "2:abcdef 2:gh", nullptr },
        TokenCase { "abcdef+1", "2:abcdef 10:+ 1:1", nullptr }, TokenCase { "sqrt16", "54:sqrt 1:16", nullptr },
        TokenCase { "sqr3", "53:sqr 1:3", nullptr }, TokenCase { "sqrx", "53:sqr 2:x", nullptr },
        TokenCase { "sqr", "53:sqr", nullptr }, TokenCase { "sqrt", "54:sqrt", nullptr },
        TokenCase { "sqrtt", "54:sqrt 2:t", nullptr }, TokenCase { "arcsinx", "64:arcsin 2:x", nullptr },
        TokenCase { "arccos arccot arctan", "65:arccos 2: arcco 2:t arct 2:an", "65:arccos 67:arccot 66:arctan" },
        TokenCase { "arcsen", "2:arcsen", nullptr }, TokenCase { "xsin30", "2:xsin30", nullptr },
        TokenCase { "exp abs tan", "51:exp 2: abs t 2:an", "51:exp 52:abs 62:tan" },
        TokenCase { "--x", "41:- 41:- 2:x", nullptr }, TokenCase { "-x-", "41:- 2:x 11:-", nullptr },
        TokenCase { "x-y", "2:x 11:- 2:y", nullptr }, TokenCase { "(-x)", "90:( 41:- 2:x 3:)", nullptr },
        TokenCase { "2^-1", "1:2 30:^ 41:- 1:1", nullptr }, TokenCase { "ln-x", "50:ln 41:- 2:x", nullptr },
        TokenCase { "[a]{b}", "90:[ 2:a 3:] 90:{ 2:b 3:}", nullptr },
        TokenCase { "a*b/c^d", "2:a 20:* 2:b 21:/ 2:c 30:^ 2:d", nullptr },
        TokenCase { "2 * x", "1:2 2:  20:* 2: x", "1:2 20:* 2:x" },
        TokenCase { "a +b", "2:a  10:+ 2:b", "2:a  10:+ 2:b" }, TokenCase { "a b", "2:a b", "2:a b" },
        TokenCase { " x", "2: x", "2:x" }, TokenCase { "", "", nullptr },
        TokenCase { "机床夹具+1", "2:机床夹 2:具 10:+ 1:1", nullptr }));

TEST(Tokenize, SharedProfileSkipsByteZero)
{
    EXPECT_EQ(tokens(Profile::Shared,
                  std::string_view("1\0"
                                   "2",
                      3)),
        "1:1 1:2");
    EXPECT_EQ(tokens(Profile::Calculator,
                  std::string_view("1\0"
                                   "2",
                      3)),
        "1:1 2:" + std::string(1, '\0') + "2");
    // Inside a word the skipped byte is a name byte.
    EXPECT_EQ(tokens(Profile::Shared, std::string_view("a\0b", 3)), "2:a" + std::string(1, '\0') + "b");
}

TEST(Tokenize, RebuildsTheListEachTime)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("a+b+c+d");
    EXPECT_EQ(evaluator.tokenCount(), 7);
    evaluator.Tokenize("x");
    EXPECT_EQ(evaluator.tokenCount(), 1);
    evaluator.Tokenize("");
    EXPECT_EQ(evaluator.tokenCount(), 0);
    double v = 0;
    EXPECT_FALSE(evaluator.Evaluate(v));
}

// ---- GBK bytes: the six-byte cut and trail bytes equal to operators ----

TEST(TokenizeGbk, AChineseCharacterIsTwoBytes)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("夹紧力*系数");
    ASSERT_EQ(evaluator.tokenCount(), 3);
    EXPECT_EQ(evaluator.node(1).text, holvane::text::toGbk("夹紧力"));
    EXPECT_EQ(evaluator.variableNames(), (std::vector<std::string> { "夹紧力", "系数" }));
    EXPECT_FALSE(evaluator.splitsCharacter());
}

TEST(TokenizeGbk, TheSixByteCutSplitsACharacter)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("a机床夹具");
    // a, 机, 床 and the lead byte of 夹; then the trail byte of 夹 and 具.
    ASSERT_EQ(evaluator.tokenCount(), 2);
    EXPECT_EQ(evaluator.node(1).text.size(), 6u);
    EXPECT_EQ(evaluator.displayText(1), "a机床?");
    EXPECT_EQ(evaluator.displayText(2), "?具");
    EXPECT_EQ(evaluator.variableNames(), (std::vector<std::string> { "a机床?", "?具" }));
    EXPECT_TRUE(evaluator.splitsCharacter());
    EXPECT_TRUE(FormulaSplitsCharacter("a机床夹具", EvaluatorProfile::shared()));
    EXPECT_FALSE(FormulaSplitsCharacter("机床夹具", EvaluatorProfile::calculator()));
    EXPECT_EQ(outcome(Profile::Shared, "a机床夹具", { "3", "4" }), "= 3");
}

TEST(TokenizeGbk, ATrailByteEqualToAnOperatorEndsTheName)
{
    // 腫 is C4 5B in GBK: its trail byte is "[". 繼 is C0 5E: "^".
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::calculator(), sink);
    evaluator.Tokenize("腫+1");
    EXPECT_EQ(evaluator.tokenCount(), 4);
    EXPECT_EQ(evaluator.node(1).kind, kind::Variable);
    EXPECT_EQ(evaluator.node(1).text, "\xC4");
    EXPECT_EQ(evaluator.node(2).kind, kind::OpenBracket);
    EXPECT_EQ(evaluator.node(3).kind, kind::UnaryPlus);
    EXPECT_EQ(evaluator.displayText(1), "?");
    EXPECT_EQ(evaluator.displayText(2), "?");
    EXPECT_TRUE(evaluator.splitsCharacter());
    EXPECT_EQ(tokens(Profile::Shared, "繼2"), "2:? 30:^ 1:2");
    EXPECT_TRUE(FormulaSplitsCharacter("x*繼2", EvaluatorProfile::shared()));
    EXPECT_FALSE(FormulaSplitsCharacter("x*夹2", EvaluatorProfile::shared()));
    EXPECT_EQ(outcome(Profile::Shared, "繼2", { "3" }), "= 9");
}

TEST(TokenizeGbk, InvalidBytesDisplayAsQuestionMarks)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.TokenizeGbk("\xFF\x81+1");
    ASSERT_EQ(evaluator.tokenCount(), 3);
    EXPECT_EQ(evaluator.displayText(1), "??");
}

// ---- BindVariables ----

TEST(BindVariables, TheKthDistinctVariableTakesRowK)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("a*b+a");
    EXPECT_EQ(evaluator.variableNames(), (std::vector<std::string> { "a", "b" }));
    // Column 0 is not compared: the rows are taken in order.
    ListValueGrid grid(Rows { { "whatever", "2" }, { "else", "3" } });
    ASSERT_TRUE(evaluator.BindVariables(grid));
    EXPECT_EQ(evaluator.node(1).kind, kind::Number);
    EXPECT_EQ(evaluator.node(1).text, "2");
    EXPECT_EQ(evaluator.node(3).text, "3");
    EXPECT_EQ(evaluator.node(5).text, "2");
    EXPECT_TRUE(evaluator.variableNames().empty());
    std::string text;
    ASSERT_TRUE(evaluator.Evaluate(text));
    EXPECT_EQ(text, "8");
    // A bound list can be evaluated again.
    text.clear();
    ASSERT_TRUE(evaluator.Evaluate(text));
    EXPECT_EQ(text, "8");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(BindVariables, AMissingValueLeavesTheListAsItWas)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("a*b");
    ListValueGrid grid(Rows { { "a", "2" }, { "b", "" } });
    EXPECT_FALSE(evaluator.BindVariables(grid));
    EXPECT_EQ(sink.messages, std::vector<std::string> { "请给所有变量赋值！" });
    EXPECT_EQ(evaluator.node(1).kind, kind::Variable);
    EXPECT_EQ(evaluator.node(1).text, "a");
    grid.rows()[1].second = "5";
    EXPECT_TRUE(evaluator.BindVariables(grid));
    double v = 0;
    ASSERT_TRUE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 10);
}

TEST(BindVariables, TheValueTextIsTakenUnchecked)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("x+1");
    ListValueGrid grid(Rows { { "x", "  7 " } });
    ASSERT_TRUE(evaluator.BindVariables(grid));
    EXPECT_EQ(evaluator.node(1).text, "  7 ");
    double v = 0;
    ASSERT_TRUE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 8);
}

// ---- Evaluate: results, the caller's text, open cases ----

TEST(Evaluate, LeavesTheCallersTextOnFailure)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    std::string text = "before";
    evaluator.Tokenize("");
    EXPECT_FALSE(evaluator.Evaluate(text));
    evaluator.Tokenize("1/0");
    EXPECT_FALSE(evaluator.Evaluate(text));
    EXPECT_EQ(text, "before");
    EXPECT_EQ(sink.messages, std::vector<std::string> { "除数为0 错误!" });
    evaluator.Tokenize("2.5*2");
    EXPECT_TRUE(evaluator.Evaluate(text));
    EXPECT_EQ(text, "5");
}

TEST(Evaluate, AnUnboundVariableEndsWithoutAResult)
{
    RecordingSink sink;
    for (const char *formula : { "x", "x+1", "1+x", "sin x", "(x)", "x)" }) {
        FormulaEvaluator evaluator(EvaluatorProfile::calculator(), sink);
        evaluator.Tokenize(formula);
        double v = 42;
        EXPECT_FALSE(evaluator.Evaluate(v)) << formula;
        EXPECT_EQ(v, 42) << formula;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST(Evaluate, AnArithmeticErrorLeavesNoStateBehind)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("exp1000");
    double v = 0;
    EXPECT_THROW(evaluator.Evaluate(v), ArithmeticError);
    EXPECT_FALSE(evaluator.busy());
    evaluator.Tokenize("1+1");
    ASSERT_TRUE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 2);
}

std::string repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(Capacity, TokenListSharedHolds100)
{
    // "-1" and 49 times "+1": 100 tokens.
    const std::string hundred = "-1" + repeat("+1", 49);
    EXPECT_EQ(outcome(Profile::Shared, hundred), "= 48");
    EXPECT_EQ(outcome(Profile::Shared, hundred + "+1"), "-");
    EXPECT_EQ(outcome(Profile::Shared, hundred + "+x", { "1" }), "-");
    EXPECT_EQ(outcome(Profile::Calculator, hundred + "+1"), "= 49");

    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize(hundred + "+1");
    EXPECT_TRUE(evaluator.tokenOverflow());
    EXPECT_EQ(evaluator.tokenCount(), 100);
    evaluator.Tokenize(hundred);
    EXPECT_FALSE(evaluator.tokenOverflow());
}

TEST(Capacity, TokenListCalculatorHolds181)
{
    const std::string full = "1" + repeat("+1", 90); // 181 tokens
    EXPECT_EQ(outcome(Profile::Calculator, full), "= 91");
    EXPECT_EQ(outcome(Profile::Calculator, full + "+1"), "-");
}

TEST(Capacity, OperatorStackCalculatorHolds40)
{
    // The bottom marker and 39 signs fill the 40 entries.
    EXPECT_EQ(outcome(Profile::Calculator, repeat("-", 39) + "1"), "= -1");
    EXPECT_EQ(outcome(Profile::Calculator, repeat("-", 40) + "1"), "-");
    EXPECT_EQ(outcome(Profile::Calculator, repeat("(", 39) + "1"), "= 1");
    EXPECT_EQ(outcome(Profile::Calculator, repeat("(", 40) + "1"), "-");
    EXPECT_EQ(outcome(Profile::Shared, repeat("-", 40) + "1"), "= 1");
    EXPECT_EQ(outcome(Profile::Shared, repeat("-", 99) + "1"), "= -1");
}

TEST(Capacity, ValueStackCalculatorHolds40)
{
    EXPECT_EQ(outcome(Profile::Calculator, repeat("(1)", 40)), "= 1");
    EXPECT_EQ(outcome(Profile::Calculator, repeat("(1)", 41)), "-");
    EXPECT_EQ(outcome(Profile::Shared, repeat("(1)", 33)), "= 1");
    // 1 then 40 times "^(2": every value waits for its power.
    EXPECT_EQ(outcome(Profile::Calculator, "1" + repeat("^(1", 19)), "= 1");
}

TEST(AngleUnit, TheSharedInstanceStaysInDegrees)
{
    RecordingSink sink;
    FormulaEvaluator shared(EvaluatorProfile::shared(), sink);
    EXPECT_FALSE(shared.setAngleUnit(AngleUnit::Radians));
    EXPECT_EQ(shared.angleUnit(), AngleUnit::Degrees);
    FormulaEvaluator calculator(EvaluatorProfile::calculator(), sink);
    EXPECT_EQ(calculator.angleUnit(), AngleUnit::Degrees);
    EXPECT_TRUE(calculator.setAngleUnit(AngleUnit::Radians));
    calculator.Tokenize("arctan1");
    double v = 0;
    ASSERT_TRUE(calculator.Evaluate(v));
    EXPECT_DOUBLE_EQ(v, std::atan(1.0));
    EXPECT_TRUE(calculator.setAngleUnit(AngleUnit::Degrees));
    ASSERT_TRUE(calculator.Evaluate(v));
    EXPECT_EQ(v, 45);
}

// ---- Not re-entrant ----

class ReenteringSink : public MessageSink {
public:
    FormulaEvaluator *evaluator = nullptr;
    std::vector<std::string> messages;
    std::vector<bool> refused;
    void show(const std::string &text) override
    {
        messages.push_back(text);
        ListValueGrid grid(Rows { { "x", "1" } });
        double v = 0;
        std::string t;
        refused.push_back(evaluator->busy());
        refused.push_back(!evaluator->Tokenize("2+2"));
        refused.push_back(!evaluator->BindVariables(grid));
        refused.push_back(!evaluator->Evaluate(v));
        refused.push_back(!evaluator->Evaluate(t));
        refused.push_back(!evaluator->setAngleUnit(AngleUnit::Degrees));
    }
};

TEST(Reentrancy, ACallDuringAMessageIsRefused)
{
    ReenteringSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::calculator(), sink);
    sink.evaluator = &evaluator;

    evaluator.Tokenize("1/x");
    EXPECT_FALSE(evaluator.BindVariables(ListValueGrid()));
    ListValueGrid grid(Rows { { "x", "0" } });
    ASSERT_TRUE(evaluator.BindVariables(grid));
    double v = 7;
    EXPECT_FALSE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 7);
    EXPECT_EQ(sink.messages, (std::vector<std::string> { "请给所有变量赋值！", "除数为0 错误!" }));
    EXPECT_EQ(sink.refused, std::vector<bool>(12, true));
    // The list was not touched by the refused calls: still 1/0.
    EXPECT_EQ(evaluator.tokenCount(), 3);
    EXPECT_EQ(evaluator.node(3).text, "0");
    EXPECT_FALSE(evaluator.busy());
    evaluator.Tokenize("2+2");
    ASSERT_TRUE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 4);
}

// ---- 80-bit steps ----

TEST(Precision, EachStepIsExtendedThenStoredAsADouble)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::calculator(), sink);
    const auto eval = [&](const char *f) {
        evaluator.Tokenize(f);
        double v = 0;
        EXPECT_TRUE(evaluator.Evaluate(v)) << f;
        return v;
    };
    EXPECT_EQ(eval("0.1+0.2"), static_cast<double>(static_cast<long double>(0.1) + static_cast<long double>(0.2)));
    EXPECT_EQ(eval("sqrt2"), static_cast<double>(std::sqrt(2.0L)));
    EXPECT_EQ(eval("2^0.5"), static_cast<double>(std::pow(2.0L, 0.5L)));
    EXPECT_EQ(eval("ln10"), static_cast<double>(std::log(10.0L)));
    const double a = static_cast<double>(30.0L * 3.14159265358979323846L / 180.0L);
    EXPECT_EQ(eval("sin30"), static_cast<double>(std::sin(static_cast<long double>(a))));
}

TEST(Precision, WholePowersAgreeWithExtendedPow)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::calculator(), sink);
    for (const char *base : { "1.1", "0.3", "7", "2.5", "0.637", "1.0001", "123.456" }) {
        for (int n : { -64, -13, -3, -2, -1, 0, 1, 2, 3, 5, 10, 17, 33, 64, 65 }) {
            const std::string formula = std::string("x^(") + std::to_string(n) + ")";
            evaluator.Tokenize(formula);
            ListValueGrid grid(Rows { { "x", base } });
            ASSERT_TRUE(evaluator.BindVariables(grid));
            double v = 0;
            ASSERT_TRUE(evaluator.Evaluate(v)) << formula;
            const long double expected
                = std::pow(static_cast<long double>(std::strtod(base, nullptr)), static_cast<long double>(n));
            EXPECT_EQ(v, static_cast<double>(expected)) << base << "^" << n;
        }
    }
    EXPECT_EQ(outcome(Profile::Shared, "10^27"), "= 1E27");
    EXPECT_EQ(outcome(Profile::Shared, "2^0.5"), "= 1.4142135623731");
    EXPECT_EQ(outcome(Profile::Shared, "x^64", { "1e5" }), "x");
    EXPECT_EQ(outcome(Profile::Shared, "x^-64", { "1e-5" }), "x");
    EXPECT_EQ(outcome(Profile::Shared, "x^64", { "1e-6" }), "= 0");
    EXPECT_EQ(outcome(Profile::Shared, "x^64", { "1e-5" }), "= 9.99988867182683E-321"); // subnormal
}

TEST(Evaluate, ABoundListGivesTheSameOutcomeEachTime)
{
    RecordingSink sink;
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), sink);
    evaluator.Tokenize("a+b");
    ASSERT_TRUE(evaluator.BindVariables(ListValueGrid(Rows { { "a", "1" }, { "b", "abc" } })));
    double v = 0;
    EXPECT_FALSE(evaluator.Evaluate(v));
    EXPECT_FALSE(evaluator.Evaluate(v));
    EXPECT_EQ(sink.messages, (std::vector<std::string> { "变量不是数字！", "变量不是数字！" }));
    evaluator.Tokenize("a+b");
    ASSERT_TRUE(evaluator.BindVariables(ListValueGrid(Rows { { "a", "1" }, { "b", "1e999" } })));
    EXPECT_THROW(evaluator.Evaluate(v), ArithmeticError);
    EXPECT_THROW(evaluator.Evaluate(v), ArithmeticError);
    evaluator.Tokenize("a+b");
    ASSERT_TRUE(evaluator.BindVariables(ListValueGrid(Rows { { "a", "1" }, { "b", "2" } })));
    ASSERT_TRUE(evaluator.Evaluate(v));
    EXPECT_EQ(v, 3);
    // The messages come in evaluation order: the division fails before b is read.
    sink.messages.clear();
    evaluator.Tokenize("1/0+b");
    ASSERT_TRUE(evaluator.BindVariables(ListValueGrid(Rows { { "b", "abc" } })));
    EXPECT_FALSE(evaluator.Evaluate(v));
    EXPECT_EQ(sink.messages, std::vector<std::string> { "除数为0 错误!" });
}

} // namespace
