#include "formula/numberformat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace holvane::formula;

namespace {

struct ToTextCase {
    double value;
    const char *text;
};

class NumberToTextCases : public testing::TestWithParam<ToTextCase> {};

TEST_P(NumberToTextCases, GeneralFormatWith15Digits)
{
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberToTextCases,
    testing::Values(ToTextCase{0.0, "0"}, ToTextCase{-0.0, "0"}, ToTextCase{2.5, "2.5"},
                    ToTextCase{1.0 / 3.0, "0.333333333333333"}, ToTextCase{2.0 / 3.0, "0.666666666666667"},
                    ToTextCase{1200, "1200"}, ToTextCase{0.0001, "0.0001"}, ToTextCase{0.00001, "1E-5"},
                    ToTextCase{1e14, "100000000000000"}, ToTextCase{1e15, "1E15"}, ToTextCase{1e20, "1E20"},
                    ToTextCase{1234567890123456.0, "1.23456789012346E15"}, ToTextCase{-2.5, "-2.5"},
                    ToTextCase{-0.000015, "-1.5E-5"}, ToTextCase{0.001, "0.001"}, ToTextCase{123.456, "123.456"},
                    ToTextCase{999999999999999.0, "999999999999999"}, ToTextCase{1e-300, "1E-300"},
                    ToTextCase{0.1 + 0.2, "0.3"}, ToTextCase{1.5e300, "1.5E300"}));

struct ToNumberCase {
    const char *text;
    bool isNumber;
    double value;
};

class TextToNumberCases : public testing::TestWithParam<ToNumberCase> {};

TEST_P(TextToNumberCases, AcceptsOnlyTheNumberPattern)
{
    double v = -99;
    const ToNumberCase &c = GetParam();
    EXPECT_EQ(TextToNumber(c.text, v), c.isNumber) << c.text;
    if (c.isNumber) {
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, TextToNumberCases,
    testing::Values(ToNumberCase{"12.5", true, 12.5}, ToNumberCase{"  -3 ", true, -3}, ToNumberCase{"+.5", true, 0.5},
                    ToNumberCase{"2.", true, 2}, ToNumberCase{"1e5", true, 1e5}, ToNumberCase{"1.5E-3", true, 1.5e-3},
                    ToNumberCase{"1e+2", true, 100}, ToNumberCase{"1e-400", true, 0}, ToNumberCase{"", false, 0},
                    ToNumberCase{"   ", false, 0}, ToNumberCase{"-", false, 0}, ToNumberCase{".", false, 0},
                    ToNumberCase{"1-2", false, 0}, ToNumberCase{"1.2.3", false, 0}, ToNumberCase{"1e", false, 0},
                    ToNumberCase{"e5", false, 0}, ToNumberCase{"0x10", false, 0}, ToNumberCase{"1,5", false, 0},
                    ToNumberCase{"inf", false, 0}, ToNumberCase{"nan", false, 0}, ToNumberCase{"- 1", false, 0},
                    ToNumberCase{"1 2", false, 0}, ToNumberCase{"\t1", false, 0}));

TEST(TextToNumber, BeyondDoubleRangeIsAnArithmeticError)
{
    double v = 0;
    EXPECT_THROW(TextToNumber("1e309", v), ArithmeticError);
    EXPECT_THROW(TextToNumber(std::string(400, '9'), v), ArithmeticError);
    EXPECT_TRUE(TextToNumber("1.7976931348623157e308", v));
}

TEST(NumberFormat, RoundTripsFifteenDigits)
{
    for (double v : {3.14159265358979, 0.000123456789012345, 98765.4321, -1e-7}) {
        double back = 0;
        ASSERT_TRUE(TextToNumber(NumberToText(v), back));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
}

} // namespace
