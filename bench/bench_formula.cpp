// The expression evaluator against muparser on handbook formulas: each formula
// parsed, bound and evaluated once per iteration (what a design calculator does
// per computation), and evaluation alone on lists already bound.
//
// muparser works in radians and names its functions differently; the corpus is
// translated for it (sin(x) -> sin((x)*_pi/180), arcsin(x) -> (asin(x)*180/_pi),
// sqr(x) -> ((x)^2), [ ] { } -> ( )), and the setup checks that both give the
// same values before anything is timed.
#include "formula/formulaevaluator.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace holvane::formula;

namespace {

struct Formula {
    const char *text;
    std::vector<const char *> values; // for the distinct variables, in order of first appearance
};

// From shared/fixture-formulas.md and combinations in the same style; 3 to 12
// variables each, degree trigonometry.
const std::vector<Formula> kCorpus = {
    { "H+0.5*(D/sin(alf/2)-N/tan(alf/2))", { "30", "40", "90", "45" } },
    { "2*tan(alf/2)*(D/(2*sin(alf/2))-a)", { "90", "40", "6" } },
    { "(dM1-dM2)/K", { "30.02625", "29.99475", "0.0004" } },
    { "TH+Td+Xmin", { "0.021", "0.013", "0.007" } },
    { "dLH+dLp-X1min/2", { "0.05", "0.015", "0.006" } },
    { "2*a2*b/H2min", { "0.062", "4", "12" } },
    { "arctan((X1max+X2max)/(2*L))", { "0.035", "0.070333", "100" } },
    { "K0*K1*K2*K3*K4*K5*K6", { "1.5", "1.2", "1.2", "1.2", "1.3", "1", "1" } },
    { "K*F/(f1+f2)", { "2.5", "2000", "0.16", "0.16" } },
    { "(K*F-G*f2)/(f1+f2)", { "2.5", "2000", "500", "0.16", "0.16" } },
    { "K*sqrt((2*M/D)^2+Fx^2)/(n*f)", { "2.5", "45000", "50", "600", "3", "0.2" } },
    { "(K*M-Ff*f2*r2)/(f1*r1+f2*r2)", { "2.5", "40000", "5000", "0.15", "31.1111", "0.15", "30" } },
    { "(Do^3-Di^3)/(3*(Do^2-Di^2))*k", { "80", "40", "1" } },
    { "9.81*CFc*ap^xFc*f^yFc*v^nFc*KFc", { "270", "3", "1", "0.3", "0.75", "100", "-0.15", "1.024233" } },
    { "(sigb/0.637)^nF*Kkr", { "0.735", "0.75", "0.92" } },
    { "9.81*CM*d0^zM*f^yM*KM", { "0.0311", "20", "2", "0.3", "0.8", "1" } },
    { "9.81*CF*d0^zF*f^yF*KF", { "61.2", "20", "1", "0.3", "0.7", "1" } },
    { "M*n/(9550*eta)", { "46.58", "400", "0.8" } },
    { "CF*ap^xF*fz^yF*ae^uF*z/(d0^qF*n^wF)",
        { "7900", "3", "1", "0.15", "0.75", "70", "1.1", "6", "100", "1.3", "400", "0.2" } },
    { "Fc*3.14159265*d*n/(1000*60000)", { "1653.46", "50", "600" } },
    { "c*(W/A)^m", { "0.5", "10000", "200", "0.7" } },
    { "1/((1-v1^2)/E1+(1-v2^2)/E2)", { "0.3", "206000", "0.25", "120000" } },
    { "1000*(9*W^2/(16*R*Es^2))^(1/3)", { "5000", "10", "113000" } },
    { "W/(2*sin(alf/2))+yn/sin(alf/2)", { "5000", "90", "0.002" } },
    { "Q/(tan(phi1)+tan(a+phi2))", { "1000", "5.711", "6", "8.531" } },
    { "Q*L/(rf*tan(phi1)+rz*tan(a+phi2))", { "150", "200", "8", "8.531", "6", "2.5", "9.8" } },
    { "arctan(P/(3.14159265*d2))+arctan(f/cos(beta))", { "2", "14.7", "0.15", "30" } },
    { "Q*L/(rho*(tan(phi1)+tan(a+phi2)))", { "150", "200", "7", "8.5", "2.5", "9.8" } },
    { "Q*L/(e*sin(g)+f1*(R-e*cos(g))+f0*r0)", { "100", "150", "3", "90", "0.1", "30", "0.1", "5" } },
    { "arctan(e*sin(g)/(R-e*cos(g)))", { "3", "60", "30" } },
    { "sqrt(R^2+e^2-2*R*e*cos(g))", { "30", "3", "60" } },
    { "e*(1-cos(g))*k", { "3", "60", "1.5" } },
    { "Q*L/(rm*tan(a+phi2)+rf*tan(phi1))", { "150", "200", "7", "2.5", "9.8", "8", "8.5" } },
    { "arcsin(f*dp/Lk)", { "0.1", "10", "40" } },
    { "Q/(tan(a+beta)+tan(phi2)*dr/Dw)", { "2000", "10", "1.4", "5.7", "10", "30" } },
    { "Q/(1+3*L*f/H)", { "5000", "50", "0.15", "100" } },
    { "Q*(Lq-r0*f0)/(Lw+r0*f0)", { "10000", "40", "5", "0.12", "80" } },
    { "(W+W1)*tan(a+phi1)+W*tan(phi2)", { "8000", "500", "15", "5.7", "5.7" } },
    { "3*E*I*y*n/l^3", { "206000", "120", "0.5", "3", "40" } },
    { "R^3*s*(a1*3.14159265/180+sin(a1)*cos(a1)-2*sin(a1)^2/(a1*3.14159265/180))", { "20", "2", "30" } },
    { "2*E*h*dD/Dm^2", { "206000", "2", "0.05", "40" } },
    { "1.5707963*(p-p0)*f*D^2*Lc", { "30", "10", "0.15", "40", "30" } },
    { "p*Dm/(2*h)+sig0", { "30", "40", "2", "5" } },
    { "(Hmax+0.25*TH-(Hmin-0.25*TH))/K", { "30.021", "0.021", "30", "0.0004" } },
    { "Td/2*(1/sin(alf/2)-1)+TH/2", { "0.1", "90", "0.021" } },
    { "arctan((X2max-X1max)/(2*L))*60", { "0.070333", "0.035", "100" } },
    { "H2min*X2min/(2*(dLH+dLp-X1min/2))", { "12", "0.041333", "0.05", "0.015", "0.006" } },
    { "2*K*M/(n*f*D)", { "2.5", "45000", "3", "0.2", "50" } },
    { "K*M/(f1*r1+f2*(Do^3-Di^3)/(3*(Do^2-Di^2)))", { "2.5", "40000", "0.15", "30", "0.15", "80", "40" } },
    { "9.81*CFc*ap^xFc*f^yFc*v^nFc*(sigb/0.637)^nF*Kkr",
        { "270", "3", "1", "0.3", "0.75", "100", "-0.15", "0.735", "0.75", "0.92" } },
    { "Fc*v/60000/eta+Pf", { "1653.46", "100", "0.8", "0.2" } },
    { "Q*L/(d2/2*tan(arctan(P/(3.14159265*d2))+phi2)+rf*tan(phi1))", { "150", "200", "14.7", "2", "9.8", "8", "8.5" } },
    { "exp(-k*t)*A0+abs(dx-dy)", { "0.1", "5", "10", "1", "3" } },
    { "ln(Dm/d0)*E*h/(2*3.14159265*L)", { "40", "20", "206000", "2", "50" } },
    { "sqrt(Fx^2+Fy^2+Fz^2)*K", { "600", "800", "1500", "2.5" } },
    { "W*f1*(1+[a/b])/{c+d}", { "1000", "0.15", "3", "4", "2", "3" } },
    { "arccos(yb/(yb+e))+arccot(f*K)", { "5", "3", "0.15", "2.5" } },
    { "sqr(Fx-Fy)+sqr(Fz)*cot(a)/tan(b)", { "600", "800", "1500", "30", "40" } },
};

bool isNameByte(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

// Our formula language to muparser's, on the corpus's forms (every function is
// followed by a bracket).
std::string toMuparser(const std::string &s, size_t &i, char close);

std::string bracketed(const std::string &s, size_t &i)
{
    // s[i] is an opening bracket.
    ++i;
    std::string inner = toMuparser(s, i, ')');
    return "(" + inner + ")";
}

std::string toMuparser(const std::string &s, size_t &i, char close)
{
    std::string out;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ')' || c == ']' || c == '}') {
            ++i;
            (void)close;
            return out;
        }
        if (c == '(' || c == '[' || c == '{') {
            out += bracketed(s, i);
            continue;
        }
        if (!isNameByte(c)) {
            out += c;
            ++i;
            continue;
        }
        size_t j = i;
        while (j < s.size() && isNameByte(s[j]))
            ++j;
        const std::string word = s.substr(i, j - i);
        i = j;
        if (i < s.size() && (s[i] == '(' || s[i] == '[' || s[i] == '{')) {
            const std::string arg = bracketed(s, i);
            if (word == "sin" || word == "cos" || word == "tan")
                out += word + "(" + arg + "*_pi/180)";
            else if (word == "cot")
                out += "(1/tan(" + arg + "*_pi/180))";
            else if (word == "arcsin" || word == "arccos" || word == "arctan")
                out += "(a" + word.substr(3) + arg + "*180/_pi)";
            else if (word == "arccot")
                out += "((_pi/2-atan" + arg + ")*180/_pi)";
            else if (word == "ln" || word == "LN" || word == "Ln")
                out += "ln" + arg;
            else if (word == "sqr")
                out += "(" + arg + "^2)";
            else if (word == "exp" || word == "abs" || word == "sqrt")
                out += word + arg;
            else
                out += word + "*" + arg; // a variable before a bracket
            continue;
        }
        out += word;
    }
    return out;
}

std::string toMuparser(const std::string &s)
{
    size_t i = 0;
    return toMuparser(s, i, 0);
}

struct Prepared {
    std::string ours;
    std::string mu;
    ListValueGrid grid;
    std::vector<std::string> names;
    std::vector<double> values;
};

class NullSink : public MessageSink {
public:
    void show(const std::string &text) override
    {
        std::fprintf(stderr, "evaluator message: %s\n", text.c_str());
        std::abort();
    }
};

NullSink g_sink;

// The corpus, translated and checked: both evaluators agree on every formula to
// 1e-8 relative. (Formula 40 cancels to 1/570 of its terms: there muparser is
// 2e-10 away from the exact value, ours 1e-13.)
const std::vector<Prepared> &corpus()
{
    static const std::vector<Prepared> prepared = [] {
        std::vector<Prepared> out;
        FormulaEvaluator evaluator(EvaluatorProfile::shared(), g_sink);
        for (const Formula &f : kCorpus) {
            Prepared p;
            p.ours = f.text;
            p.mu = toMuparser(f.text);
            evaluator.Tokenize(p.ours);
            p.names = evaluator.variableNames();
            if (p.names.size() != f.values.size() || p.names.size() < 3 || p.names.size() > 12) {
                std::fprintf(
                    stderr, "corpus: %s has %zu variables, %zu values\n", f.text, p.names.size(), f.values.size());
                std::abort();
            }
            for (size_t k = 0; k < p.names.size(); ++k) {
                p.grid.addRow(p.names[k], f.values[k]);
                p.values.push_back(std::strtod(f.values[k], nullptr));
            }
            double ours = 0;
            if (!evaluator.BindVariables(p.grid) || !evaluator.Evaluate(ours)) {
                std::fprintf(stderr, "corpus: %s gives no result\n", f.text);
                std::abort();
            }
            mu::Parser parser;
            for (size_t k = 0; k < p.names.size(); ++k)
                parser.DefineVar(p.names[k], &p.values[k]);
            parser.SetExpr(p.mu);
            const double theirs = parser.Eval();
            if (!(std::fabs(ours - theirs) <= 1e-8 * std::fmax(1.0, std::fabs(ours)))) {
                std::fprintf(stderr, "corpus: %s = %.17g, muparser %s = %.17g\n", f.text, ours, p.mu.c_str(), theirs);
                std::abort();
            }
            out.push_back(std::move(p));
        }
        return out;
    }();
    return prepared;
}

void report(benchmark::State &state)
{
    const auto n = static_cast<int64_t>(corpus().size());
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["per_formula"] = benchmark::Counter(
        static_cast<double>(state.iterations() * n), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Tokenize, BindVariables and Evaluate of every formula on one instance, as the
// shared instance does for each computation.
void BM_Ours_TokenizeBindEvaluate(benchmark::State &state)
{
    const auto &c = corpus();
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), g_sink);
    for (auto _ : state) {
        for (const Prepared &p : c) {
            double v = 0;
            evaluator.Tokenize(p.ours);
            evaluator.BindVariables(p.grid);
            evaluator.Evaluate(v);
            benchmark::DoNotOptimize(v);
        }
    }
    report(state);
}
BENCHMARK(BM_Ours_TokenizeBindEvaluate);

// The same with the result as text (NumberToText), what the shared instance delivers.
void BM_Ours_TokenizeBindEvaluateToText(benchmark::State &state)
{
    const auto &c = corpus();
    FormulaEvaluator evaluator(EvaluatorProfile::shared(), g_sink);
    std::string text;
    for (auto _ : state) {
        for (const Prepared &p : c) {
            evaluator.Tokenize(p.ours);
            evaluator.BindVariables(p.grid);
            evaluator.Evaluate(text);
            benchmark::DoNotOptimize(text.data());
        }
    }
    report(state);
}
BENCHMARK(BM_Ours_TokenizeBindEvaluateToText);

// muparser on one parser: DefineVar for the formula's variables, SetExpr, one Eval.
void BM_Muparser_DefineVarSetExprEval(benchmark::State &state)
{
    const auto &c = corpus();
    std::vector<std::vector<double>> values;
    for (const Prepared &p : c)
        values.push_back(p.values);
    mu::Parser parser;
    for (auto _ : state) {
        for (size_t i = 0; i < c.size(); ++i) {
            const Prepared &p = c[i];
            parser.ClearVar();
            for (size_t k = 0; k < p.names.size(); ++k)
                parser.DefineVar(p.names[k], &values[i][k]);
            parser.SetExpr(p.mu);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    report(state);
}
BENCHMARK(BM_Muparser_DefineVarSetExprEval);

// muparser with the variables defined once per formula (one parser each): SetExpr and Eval.
void BM_Muparser_SetExprEval(benchmark::State &state)
{
    const auto &c = corpus();
    std::vector<std::vector<double>> values;
    for (const Prepared &p : c)
        values.push_back(p.values);
    std::vector<std::unique_ptr<mu::Parser>> parsers;
    for (size_t i = 0; i < c.size(); ++i) {
        parsers.push_back(std::make_unique<mu::Parser>());
        for (size_t k = 0; k < c[i].names.size(); ++k)
            parsers.back()->DefineVar(c[i].names[k], &values[i][k]);
    }
    for (auto _ : state) {
        for (size_t i = 0; i < c.size(); ++i) {
            parsers[i]->SetExpr(c[i].mu);
            benchmark::DoNotOptimize(parsers[i]->Eval());
        }
    }
    report(state);
}
BENCHMARK(BM_Muparser_SetExprEval);

// Evaluate only, on lists already bound (one instance per formula).
void BM_Ours_EvaluateOnly(benchmark::State &state)
{
    const auto &c = corpus();
    std::vector<std::unique_ptr<FormulaEvaluator>> evaluators;
    for (const Prepared &p : c) {
        evaluators.push_back(std::make_unique<FormulaEvaluator>(EvaluatorProfile::shared(), g_sink));
        evaluators.back()->Tokenize(p.ours);
        evaluators.back()->BindVariables(p.grid);
    }
    for (auto _ : state) {
        for (auto &e : evaluators) {
            double v = 0;
            e->Evaluate(v);
            benchmark::DoNotOptimize(v);
        }
    }
    report(state);
}
BENCHMARK(BM_Ours_EvaluateOnly);

// muparser's Eval on expressions already parsed (its bytecode).
void BM_Muparser_EvalOnly(benchmark::State &state)
{
    const auto &c = corpus();
    std::vector<std::vector<double>> values;
    for (const Prepared &p : c)
        values.push_back(p.values);
    std::vector<std::unique_ptr<mu::Parser>> parsers;
    for (size_t i = 0; i < c.size(); ++i) {
        parsers.push_back(std::make_unique<mu::Parser>());
        for (size_t k = 0; k < c[i].names.size(); ++k)
            parsers.back()->DefineVar(c[i].names[k], &values[i][k]);
        parsers.back()->SetExpr(c[i].mu);
        parsers.back()->Eval();
    }
    for (auto _ : state) {
        for (auto &p : parsers)
            benchmark::DoNotOptimize(p->Eval());
    }
    report(state);
}
BENCHMARK(BM_Muparser_EvalOnly);

} // namespace

BENCHMARK_MAIN();
