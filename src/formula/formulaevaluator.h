#pragma once

#include "formula/messagesink.h"
#include "formula/numberformat.h"
#include "formula/valuegrid.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The expression evaluator (module Js): Tokenize, BindVariables,
// Evaluate. Formulas are tokenized as their GBK bytes, so a Chinese character
// counts two bytes, as the handbook's byte rules require.
namespace holvane::formula {

// The settings in which the two instances differ.
struct EvaluatorProfile {
    char skippedByte; // skipped where a token would begin
    int tokenCapacity;
    int operatorCapacity; // entries, the bottom marker included
    int valueCapacity;
    bool anglesSelectable; // false: degrees, always

    // The shared instance of the design calculators (module Js).
    static EvaluatorProfile shared() { return { '\0', 100, 100, 100, false }; }
    // The engineering calculator window's instance (module Jsq).
    static EvaluatorProfile calculator() { return { ' ', 181, 40, 40, true }; }
};

enum class AngleUnit { Degrees, Radians };

// Token kind codes; code div 10 is the precedence class.
namespace kind {
constexpr int32_t Number = 1;
constexpr int32_t Variable = 2;
constexpr int32_t CloseBracket = 3;
constexpr int32_t Plus = 10;
constexpr int32_t Minus = 11;
constexpr int32_t Times = 20;
constexpr int32_t Divide = 21;
constexpr int32_t Power = 30;
constexpr int32_t UnaryPlus = 40;
constexpr int32_t UnaryMinus = 41;
constexpr int32_t Ln = 50;
constexpr int32_t Exp = 51;
constexpr int32_t Abs = 52;
constexpr int32_t Sqr = 53;
constexpr int32_t Sqrt = 54;
constexpr int32_t Sin = 60;
constexpr int32_t Cos = 61;
constexpr int32_t Tan = 62;
constexpr int32_t Cot = 63;
constexpr int32_t ArcSin = 64;
constexpr int32_t ArcCos = 65;
constexpr int32_t ArcTan = 66;
constexpr int32_t ArcCot = 67;
constexpr int32_t OpenBracket = 90;
} // namespace kind

// The token record. `text` holds the token's bytes as they stand in the
// formula (GBK); for a value token made by BindVariables, the grid's text.
struct GongsiNode {
    int32_t kind = 0;
    std::string text;
};

// One evaluator instance. Its state is made of arrays sized once by the
// profile and reused for every formula; Tokenize, BindVariables and Evaluate
// allocate nothing once the buffers have grown to the longest formula seen.
//
// Not re-entrant: a call made while a call on the same instance is under way
// (from a message box's event loop, say) is refused.
class FormulaEvaluator {
public:
    FormulaEvaluator(const EvaluatorProfile &profile, MessageSink &messages);
    FormulaEvaluator(const FormulaEvaluator &) = delete;
    FormulaEvaluator &operator=(const FormulaEvaluator &) = delete;

    const EvaluatorProfile &profile() const { return m_profile; }

    // Degrees or radians; only an instance whose profile lets the angle unit be
    // chosen takes radians. Returns false when refused.
    bool setAngleUnit(AngleUnit unit);
    AngleUnit angleUnit() const { return m_angleUnit; }

    // Rebuilds the token list from a UTF-8 formula (its GBK bytes). Never fails
    // and shows nothing; returns false only when refused (a call under way).
    // A formula with more tokens than the list holds keeps the first ones and
    // is marked overflowed: BindVariables and Evaluate then refuse it.
    bool Tokenize(std::string_view formulaUtf8);
    // The same on the formula's bytes as they are (GBK, or any bytes).
    bool TokenizeGbk(std::string_view formulaGbk);

    // Puts the values of grid rows 1, 2, ... in place of the distinct variables,
    // in order of first appearance. Returns false after "请给所有变量赋值！" when
    // a value cell is empty; false without a message when refused (a call under
    // way, an overflowed token list).
    bool BindVariables(const ValueGrid &grid);

    // Computes the bound token list. True with the result; false when there is
    // no result (after the evaluator's message, or without one). Throws
    // ArithmeticError when arithmetic overflows or is invalid.
    bool Evaluate(double &result);
    // The shared instance's form: on success `resultText` gets NumberToText of
    // the result; on failure it is left as it was.
    bool Evaluate(std::string &resultText);

    // The token list: tokens 1..N.
    int tokenCount() const { return m_count; }
    bool tokenOverflow() const { return m_overflow; }
    GongsiNode node(int k) const;
    // The token's text as UTF-8 for display: a character that a byte rule split
    // shows as "?".
    std::string displayText(int k) const;
    // The distinct variables (kind 2) in order of first appearance, as UTF-8
    // for display: the names that grid rows 1, 2, ... list.
    std::vector<std::string> variableNames() const;
    // True when the last tokenized formula has a token boundary inside a
    // two-byte GBK character (the six-byte cut, or a trail byte equal to an
    // operator character such as "[" or "^").
    bool splitsCharacter() const;

    bool busy() const { return m_busy; }

private:
    struct Token {
        int32_t kind;
        uint32_t srcOffset; // in m_source
        uint32_t srcLength;
        int32_t valueRow; // bound: index into m_rowOffsets; -1 while the text is the source's
        // TextToNumber of the text, kept once computed: the text of a token does
        // not change until the list is rebuilt or bound.
        uint8_t numberState; // NumberState
        double number;
    };
    enum NumberState : uint8_t { Unread, IsNumber, IsEmpty, NotANumber, OutOfRange };

    class BusyGuard;

    std::string_view tokenText(const Token &t) const;
    void scan();
    bool evaluateValue(double &result);
    bool failNoMessage();
    bool fail(const std::string &message);
    void applyBinary(int32_t op, double left, double right);
    bool applyUnary(int32_t op, double &x);

    EvaluatorProfile m_profile;
    MessageSink &m_messages;
    AngleUnit m_angleUnit = AngleUnit::Degrees;
    bool m_busy = false;

    std::string m_source; // GBK bytes of the formula
    mutable std::vector<bool> m_trail; // for display: second bytes of two-byte characters
    mutable bool m_trailValid = false;
    std::vector<Token> m_tokens; // index 0 unused: tokens 1..N
    int m_count = 0;
    bool m_overflow = false;

    std::string m_values; // bound value texts
    std::vector<uint32_t> m_rowOffsets; // per grid row: offset, length in m_values
    std::vector<uint32_t> m_rowLengths;
    std::vector<int32_t> m_firstOfRow; // per distinct variable: its first token

    std::vector<int32_t> m_operators; // 1-based
    int m_operatorTop = 0;
    std::vector<double> m_valueStack; // 1-based
    int m_valueTop = 0;
    bool m_ok = false;
    double m_pending = 0; // result of the last applied operator
};

// True when the formula, tokenized with the profile's rules, has a token
// boundary inside a two-byte GBK character. For the packer and the formula entry.
bool FormulaSplitsCharacter(std::string_view formulaUtf8, const EvaluatorProfile &profile);

} // namespace holvane::formula
