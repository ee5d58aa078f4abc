// The evaluator's hot path (Tokenize, BindVariables, Evaluate) allocates
// nothing once its buffers have grown to the formulas it sees.
#include "formula/formulaevaluator.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void *operator new(std::size_t size)
{
    ++g_allocations;
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

using namespace holvane::formula;

namespace {

class Sink : public MessageSink {
public:
    void show(const std::string &) override { }
};

TEST(NoAllocation, TokenizeBindEvaluateReuseTheirState)
{
    Sink sink;
    for (const EvaluatorProfile &profile : {EvaluatorProfile::shared(), EvaluatorProfile::calculator()}) {
        FormulaEvaluator evaluator(profile, sink);
        const std::string formulas[] = {
            "K*sqrt((2*Mcut/D)^2+Fx^2)/(n*f)",
            "Q*L/(e*sin(g)+f1*(R-e*cos(g))+f0*r0)",
            "9.81*CFc*ap^xFc*f^yFc*v^nFc*(sigb/0.637)^nF*Kkr",
            "1/0",
        };
        ListValueGrid grid;
        for (const char *v : {"2.5", "45000.000000000001", "50", "600", "3", "0.2", "0.735", "0.75", "0.92", "100"})
            grid.addRow("v", v);
        double sum = 0;
        long before = 0;
        for (int round = 0; round < 3; ++round) {
            if (round == 1)
                before = g_allocations.load();
            for (const std::string &f : formulas) {
                evaluator.Tokenize(f);
                double v = 0;
                if (evaluator.BindVariables(grid) && evaluator.Evaluate(v))
                    sum += v;
            }
        }
        EXPECT_EQ(g_allocations.load() - before, 0);
        // The counter counts.
        const long counted = g_allocations.load();
        std::string longText(200, 'x');
        EXPECT_GT(g_allocations.load(), counted);
        EXPECT_EQ(longText.size(), 200u);
        EXPECT_GT(sum, 0);
    }
}

} // namespace
