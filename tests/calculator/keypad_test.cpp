#include "calculator/calculatorfixture.h"

#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

const std::map<QString, const char *> kKeyNames = {
    { QStringLiteral("+"), "TeThemeSpeedButton1" },
    { QStringLiteral("-"), "TeThemeSpeedButton2" },
    { QStringLiteral("x"), "TeThemeSpeedButton3" },
    { QStringLiteral("÷"), "TeThemeSpeedButton4" },
    { QStringLiteral("x^y"), "TeThemeSpeedButton20" },
    { QStringLiteral("="), "TeThemeSpeedButton16" },
    { QStringLiteral("sqrt"), "TeThemeSpeedButton5" },
    { QStringLiteral("sin"), "TeThemeSpeedButton6" },
    { QStringLiteral("cos"), "TeThemeSpeedButton7" },
    { QStringLiteral("tan"), "TeThemeSpeedButton8" },
    { QStringLiteral("ln"), "TeThemeSpeedButton9" },
    { QStringLiteral("exp"), "TeThemeSpeedButton10" },
    { QStringLiteral("arcsin"), "TeThemeSpeedButton11" },
    { QStringLiteral("arccos"), "TeThemeSpeedButton12" },
    { QStringLiteral("arctan"), "TeThemeSpeedButton13" },
    { QStringLiteral("arcctan"), "TeThemeSpeedButton14" },
    { QStringLiteral("∑"), "TeThemeSpeedButton15" },
    { QStringLiteral("清空"), "TeThemeSpeedButton19" },
};

class Keypad : public CalculatorFixture {
protected:
    // Steps in brackets are keys; any other step is typed into the empty
    // entry box (set as it would be after the filter).
    QString run(const std::vector<const char *> &steps)
    {
        auto *entry = calc().findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"));
        for (const char *step : steps) {
            const QString s = QString::fromUtf8(step);
            if (s.startsWith(QLatin1Char('[')) && s.endsWith(QLatin1Char(']')))
                click(kKeyNames.at(s.mid(1, s.size() - 2)));
            else
                entry->setText(s);
        }
        return entry->text();
    }
};

TEST_F(Keypad, EveryKeyAsTheCalculatorDocumentsIt)
{
    const struct {
        std::vector<const char *> steps;
        const char *shown;
        const char *message;
    } cases[] = {
        { { "9", "[sqrt]" }, "3", nullptr },
        { { "2", "[sqrt]" }, "1.4142135623731", nullptr },
        { { "-9", "[sqrt]" }, "", "负数不能开平方,清除重新输入数据!" },
        { { "30", "[sin]" }, "0.5", nullptr },
        { { "60", "[cos]" }, "0.5", nullptr },
        { { "45", "[tan]" }, "1", nullptr },
        { { "1", "[arctan]" }, "45", nullptr },
        { { "2", "[arctan]" }, "2", "数据绝对值>1错" },
        { { "1", "[arcctan]" }, "72.95", nullptr },
        { { "0.5", "[arcsin]" }, "30", nullptr },
        { { "0.5", "[arccos]" }, "60", nullptr },
        { { "1", "[ln]" }, "0", nullptr },
        { { "0", "[ln]" }, "0", "真值必需＞0！请重新输入" },
        { { "1", "[exp]" }, "2.72", nullptr },
        { { "2", "[x^y]", "10", "[=]" }, "1024", nullptr },
        { { "-2", "[x^y]", "2", "[=]" }, "2", "幂底数必需>=0,请重输新入！" },
        { { "7", "[÷]", "0", "[=]" }, "0", "除数不能为零,请重新输入！" },
        { { "1", "[÷]", "3", "[=]" }, "0.33", nullptr },
        { { "2", "[+]", "3", "[=]" }, "5", nullptr },
        { { "2", "[+]", "3", "[=]", "[=]" }, "10", nullptr },
        { { "7", "[-]", "2", "[=]", "[=]" }, "0", nullptr },
        { { "1.5", "[x]", "4", "[=]" }, "6", nullptr },
        { { "5", "[∑]", "5", "[∑]" }, "10", nullptr },
        { { "5", "[清空]" }, "", nullptr },
        { { "", "[sin]" }, "", "请在编辑框中输入数字！" },
        { { "3", "[=]" }, "3", nullptr }, // nothing pending
        // Entries the filter lets through but that are no number.
        { { "-", "[sin]" }, "-", "编辑框中的内容不是数字，请重新输入！" },
        { { "1-2", "[+]" }, "1-2", "编辑框中的内容不是数字，请重新输入！" },
        { { ".", "[sqrt]" }, ".", "编辑框中的内容不是数字，请重新输入！" },
        { { "2", "[+]", "", "[=]" }, "", "请在编辑框中输入数字！" },
        { { "0", "[arcctan]" }, "0", "0的反余切不能按倒数计算,请重新输入！" },
        { { "0", "[x^y]", "-1", "[=]" }, "-1", "零的负数次幂没有意义,请重新输入！" },
        { { "1000", "[exp]" }, "1000", "输入数值超出计算范围，请重新输入!" },
    };
    for (const auto &c : cases) {
        module.registers = {};
        messages.clear();
        EXPECT_EQ(run(c.steps), QString::fromUtf8(c.shown)) << c.steps.front() << " " << c.steps[1];
        EXPECT_EQ(
            messageTexts(), c.message ? std::vector<QString> { QString::fromUtf8(c.message) } : std::vector<QString> {})
            << c.steps.front() << " " << c.steps[1];
    }
}

TEST_F(Keypad, RefusedEntriesLeaveTheRegistersSound)
{
    run({ "2", "[+]", "3", "[=]" });
    const calculator::KeypadRegisters before = module.registers;
    run({ "-", "[=]", "", "[=]", "1-2", "[sin]" });
    EXPECT_EQ(module.registers.A, before.A);
    EXPECT_EQ(module.registers.B, before.B);
    EXPECT_EQ(module.registers.R, before.R);
    EXPECT_EQ(module.registers.P, before.P);
    EXPECT_EQ(run({ "4", "[=]" }), QStringLiteral("9"));
}

TEST_F(Keypad, RadiansAndSharedRegisters)
{
    calc().findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->setChecked(true);
    EXPECT_EQ(run({ "30", "[sin]" }), QStringLiteral("-0.99"));
    EXPECT_EQ(run({ "1", "[arctan]" }), QStringLiteral("0.79"));

    // The registers belong to the module: a sum goes on in another window,
    // while a new window sets A and B again.
    module.registers.R = 0;
    run({ "5", "[∑]" });
    module.registers.A = 7;
    calculator::Tjsform &second = openAnother();
    EXPECT_EQ(module.registers.A, 1);
    EXPECT_EQ(module.registers.B, 0);
    auto *entry = second.findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"));
    entry->setText(QStringLiteral("3"));
    click("TeThemeSpeedButton15", &second);
    EXPECT_EQ(entry->text(), QStringLiteral("8"));
}

} // namespace
} // namespace holvane::test
