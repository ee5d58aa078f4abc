#include "formula/formulaevaluator.h"

#include "text/gbk.h"

#include <cmath>
#include <limits>

namespace holvane::formula {
namespace {

// The evaluator's messages, word for word as the user sees them.
const std::string kMissingValue = "请给所有变量赋值！";
const std::string kEmptyText = "空字符串错误！";
const std::string kNotANumber = "变量不是数字！";
const std::string kDivideByZero = "除数为0 错误!";
const std::string kPowerBase = "幂底数 <=0 错误!";
const std::string kLogArgument = "真数<=0， 错误!";
const std::string kSqrtArgument = "被开方数 <0 错误";
const std::string kTanAngle = "角度是90度的奇数倍错误";
const std::string kCotAngle = "角度是90度的偶数倍错误";
const std::string kArcSinArgument = "arcsin(x): |X|>1错误";
const std::string kArcCosArgument = "arccos(x): |X|>1错误";

// π as an 80-bit extended constant.
constexpr long double kPi = 3.14159265358979323846L;
// The x87 sine and cosine give up (and the original yields 0) from 2^63 on.
constexpr long double kTrigLimit = 9223372036854775808.0L;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int32_t operatorKind(char c)
{
    switch (c) {
    case '(':
    case '[':
    case '{':
        return kind::OpenBracket;
    case ')':
    case ']':
    case '}':
        return kind::CloseBracket;
    case '+':
        return kind::Plus;
    case '-':
        return kind::Minus;
    case '*':
        return kind::Times;
    case '/':
        return kind::Divide;
    case '^':
        return kind::Power;
    default:
        return 0;
    }
}

// The three-byte function names other than sqr/sqrt.
int32_t function3(std::string_view w)
{
    if (w == "exp")
        return kind::Exp;
    if (w == "abs")
        return kind::Abs;
    if (w == "sin")
        return kind::Sin;
    if (w == "cos")
        return kind::Cos;
    if (w == "tan")
        return kind::Tan;
    if (w == "cot")
        return kind::Cot;
    return 0;
}

int32_t function6(std::string_view w)
{
    if (w.substr(0, 3) != "arc")
        return 0;
    const std::string_view f = w.substr(3);
    if (f == "sin")
        return kind::ArcSin;
    if (f == "cos")
        return kind::ArcCos;
    if (f == "tan")
        return kind::ArcTan;
    if (f == "cot")
        return kind::ArcCot;
    return 0;
}

// Tokenizing: the scan, numbers and words, on 0-based offsets. `emit(kind, offset, length)`
// receives each token; it returns false to stop the scan.
template<typename Emit> void scanTokens(std::string_view s, char skipped, Emit &&emit)
{
    const size_t size = s.size();
    size_t p = 0;
    while (p < size) {
        if (s[p] == skipped) {
            ++p;
            continue;
        }
        if (isDigit(s[p])) {
            size_t q = p;
            while (q < size && isDigit(s[q]))
                ++q;
            if (q < size && s[q] == '.') {
                ++q;
                while (q < size && isDigit(s[q]))
                    ++q;
            }
            if (!emit(kind::Number, p, q - p))
                return;
            p = q;
            continue;
        }
        // A word: bytes are taken one at a time from p.
        size_t i = p;
        for (;;) {
            if (i == size) { // the text ends first
                if (!emit(kind::Variable, p, size - p))
                    return;
                p = size;
                break;
            }
            if (const int32_t op = operatorKind(s[i])) {
                if (i > p && !emit(kind::Variable, p, i - p))
                    return;
                if (!emit(op, i, 1))
                    return;
                p = i + 1;
                break;
            }
            const size_t n = i - p + 1;
            if (n == 2) {
                const std::string_view w = s.substr(p, 2);
                if (w == "ln" || w == "LN" || w == "Ln") {
                    if (!emit(kind::Ln, p, 2))
                        return;
                    p = i + 1;
                    break;
                }
            } else if (n == 3) {
                const std::string_view w = s.substr(p, 3);
                if (const int32_t f = function3(w)) {
                    if (!emit(f, p, 3))
                        return;
                    p = i + 1;
                    break;
                }
                if (w == "sqr") {
                    if (i + 1 < size && s[i + 1] == 't') {
                        if (!emit(kind::Sqrt, p, 4))
                            return;
                        p = i + 2;
                    } else {
                        if (!emit(kind::Sqr, p, 3))
                            return;
                        p = i + 1;
                    }
                    break;
                }
            } else if (n == 6) {
                const int32_t f = function6(s.substr(p, 6));
                if (!emit(f ? f : kind::Variable, p, 6))
                    return;
                p = i + 1;
                break;
            }
            ++i;
        }
    }
}

// Length of the GBK character at i: 2 for a lead byte followed by a trail byte.
size_t gbkCharLength(std::string_view s, size_t i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 >= 0x81 && b0 <= 0xFE && i + 1 < s.size()) {
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if (b1 >= 0x40 && b1 <= 0xFE && b1 != 0x7F)
            return 2;
    }
    return 1;
}

// True at every offset that is the second byte of a two-byte character.
std::vector<bool> trailPositions(std::string_view s)
{
    std::vector<bool> trail(s.size() + 1, false);
    for (size_t i = 0; i < s.size();) {
        const size_t n = gbkCharLength(s, i);
        if (n == 2)
            trail[i + 1] = true;
        i += n;
    }
    return trail;
}

bool splitsCharacterGbk(std::string_view gbk, char skipped)
{
    const std::vector<bool> trail = trailPositions(gbk);
    bool split = false;
    scanTokens(gbk, skipped, [&](int32_t, size_t offset, size_t length) {
        split = trail[offset] || trail[offset + length];
        return !split;
    });
    return split;
}

// The UTF-8 text of bytes [offset, offset + length) of a GBK text, with the
// text's trail map; a character that straddles either end becomes "?".
std::string displayGbkRange(std::string_view gbk, const std::vector<bool> &trail, size_t offset, size_t length)
{
    std::string bytes;
    const size_t end = offset + length;
    size_t i = offset;
    if (i < end && trail[i]) { // the second half of a character cut before it
        bytes.push_back('?');
        ++i;
    }
    while (i < end) {
        if (trail[i + 1]) { // a two-byte character starts at i
            if (i + 1 < end)
                bytes.append(gbk.substr(i, 2));
            else
                bytes.push_back('?'); // cut after its first byte
            i += 2;
        } else {
            bytes.push_back(gbk[i]);
            ++i;
        }
    }
    return text::fromGbk(bytes);
}

// Stores an extended result as a double; a result beyond the double range, or
// an invalid one, is the arithmetic error that reaches the caller.
[[noreturn]] void throwNotFinite(double d)
{
    if (std::isnan(d))
        throw ArithmeticError("无效的浮点运算");
    throw ArithmeticError("浮点溢出");
}

inline double store(long double r)
{
    const double d = static_cast<double>(r);
    if (!std::isfinite(d))
        throwNotFinite(d);
    return d;
}

// L to the power R, L > 0, in extended precision. A whole exponent of modest
// size is done by repeated squaring, as the original's IntPower does (and
// exactly where the result fits 64 bits); any other by powl.
long double power(long double l, double r)
{
    if (r == std::trunc(r) && std::fabs(r) <= 64) {
        auto n = static_cast<unsigned>(std::fabs(r));
        long double result = 1.0L;
        long double base = l;
        while (n != 0) {
            if (n & 1U)
                result *= base;
            n >>= 1U;
            if (n != 0)
                base *= base;
        }
        return r < 0 ? 1.0L / result : result;
    }
    return std::pow(l, static_cast<long double>(r));
}

long double sineOf(long double a)
{
    return std::fabs(a) >= kTrigLimit ? 0.0L : std::sin(a);
}
long double cosineOf(long double a)
{
    return std::fabs(a) >= kTrigLimit ? 0.0L : std::cos(a);
}

} // namespace

class FormulaEvaluator::BusyGuard {
public:
    explicit BusyGuard(bool &flag)
        : m_flag(flag)
        , m_acquired(!flag)
    {
        m_flag = true;
    }
    ~BusyGuard()
    {
        if (m_acquired)
            m_flag = false;
    }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;
    bool acquired() const { return m_acquired; }

private:
    bool &m_flag;
    bool m_acquired;
};

FormulaEvaluator::FormulaEvaluator(const EvaluatorProfile &profile, MessageSink &messages)
    : m_profile(profile)
    , m_messages(messages)
{
    if (m_profile.tokenCapacity < 1)
        m_profile.tokenCapacity = 1;
    if (m_profile.operatorCapacity < 1)
        m_profile.operatorCapacity = 1;
    if (m_profile.valueCapacity < 1)
        m_profile.valueCapacity = 1;
    const auto tokens = static_cast<size_t>(m_profile.tokenCapacity) + 1;
    m_tokens.resize(tokens);
    m_rowOffsets.resize(tokens);
    m_rowLengths.resize(tokens);
    m_firstOfRow.resize(tokens);
    m_operators.resize(static_cast<size_t>(m_profile.operatorCapacity) + 1);
    m_valueStack.resize(static_cast<size_t>(m_profile.valueCapacity) + 1);
    m_source.reserve(256);
    m_values.reserve(1024);
}

bool FormulaEvaluator::setAngleUnit(AngleUnit unit)
{
    if (m_busy || (unit == AngleUnit::Radians && !m_profile.anglesSelectable))
        return false;
    m_angleUnit = unit;
    return true;
}

bool FormulaEvaluator::Tokenize(std::string_view formulaUtf8)
{
    BusyGuard guard(m_busy);
    if (!guard.acquired())
        return false;
    text::toGbk(formulaUtf8, m_source);
    scan();
    return true;
}

bool FormulaEvaluator::TokenizeGbk(std::string_view formulaGbk)
{
    BusyGuard guard(m_busy);
    if (!guard.acquired())
        return false;
    m_source.assign(formulaGbk.data(), formulaGbk.size());
    scan();
    return true;
}

void FormulaEvaluator::scan()
{
    m_trailValid = false;
    m_count = 0;
    m_overflow = false;
    const int capacity = m_profile.tokenCapacity;
    scanTokens(m_source, m_profile.skippedByte, [this, capacity](int32_t k, size_t offset, size_t length) {
        if (m_count >= capacity) {
            m_overflow = true;
            return false;
        }
        m_tokens[static_cast<size_t>(++m_count)]
            = Token { k, static_cast<uint32_t>(offset), static_cast<uint32_t>(length), -1, Unread, 0.0 };
        return true;
    });
    // The sign pass; the last token is never changed.
    for (int k = 1; k < m_count; ++k) {
        Token &t = m_tokens[static_cast<size_t>(k)];
        if ((t.kind == kind::Plus || t.kind == kind::Minus)
            && (k == 1 || m_tokens[static_cast<size_t>(k) - 1].kind >= 10))
            t.kind += 30;
    }
}

std::string_view FormulaEvaluator::tokenText(const Token &t) const
{
    if (t.valueRow >= 0) {
        const auto row = static_cast<size_t>(t.valueRow);
        return std::string_view(m_values).substr(m_rowOffsets[row], m_rowLengths[row]);
    }
    return std::string_view(m_source).substr(t.srcOffset, t.srcLength);
}

bool FormulaEvaluator::BindVariables(const ValueGrid &grid)
{
    BusyGuard guard(m_busy);
    if (!guard.acquired() || m_overflow)
        return false;

    // The distinct names, in order of first appearance; compared byte-exact.
    int distinct = 0;
    for (int t = 1; t <= m_count; ++t) {
        const Token &token = m_tokens[static_cast<size_t>(t)];
        if (token.kind != kind::Variable)
            continue;
        const std::string_view name = tokenText(token);
        bool seen = false;
        for (int r = 1; r <= distinct && !seen; ++r)
            seen = tokenText(m_tokens[static_cast<size_t>(m_firstOfRow[static_cast<size_t>(r)])]) == name;
        if (!seen)
            m_firstOfRow[static_cast<size_t>(++distinct)] = t;
    }
    if (distinct == 0)
        return true;

    // No token is bound while kind-2 tokens remain, so the value texts can go.
    m_values.clear();
    for (int r = 1; r <= distinct; ++r) {
        const std::string_view value = grid.cell(1, r);
        if (value.empty()) {
            m_messages.show(kMissingValue);
            return false;
        }
        m_rowOffsets[static_cast<size_t>(r)] = static_cast<uint32_t>(m_values.size());
        m_rowLengths[static_cast<size_t>(r)] = static_cast<uint32_t>(value.size());
        m_values.append(value.data(), value.size());
    }
    for (int r = 1; r <= distinct; ++r) {
        const size_t first = static_cast<size_t>(m_firstOfRow[static_cast<size_t>(r)]);
        const std::string_view name = tokenText(m_tokens[first]);
        for (size_t t = first; t <= static_cast<size_t>(m_count); ++t) {
            Token &token = m_tokens[t];
            if (token.kind == kind::Variable && tokenText(token) == name) {
                token.kind = kind::Number;
                token.valueRow = r;
                token.numberState = Unread;
            }
        }
    }
    return true;
}

bool FormulaEvaluator::Evaluate(double &result)
{
    BusyGuard guard(m_busy);
    if (!guard.acquired())
        return false;
    return evaluateValue(result);
}

bool FormulaEvaluator::Evaluate(std::string &resultText)
{
    BusyGuard guard(m_busy);
    if (!guard.acquired())
        return false;
    double value = 0;
    if (!evaluateValue(value))
        return false;
    resultText = NumberToText(value);
    return true;
}

bool FormulaEvaluator::failNoMessage()
{
    m_ok = false;
    return false;
}

bool FormulaEvaluator::fail(const std::string &message)
{
    m_ok = false;
    m_messages.show(message);
    return false;
}

bool FormulaEvaluator::evaluateValue(double &result)
{
    if (m_overflow || m_count < 1)
        return false;

    const int operatorCapacity = m_profile.operatorCapacity;
    const int valueCapacity = m_profile.valueCapacity;
    m_operatorTop = 1;
    m_operators[1] = 0; // the bottom marker
    m_valueTop = 0;
    m_ok = true;
    int i = 1;
    int32_t cur = m_tokens[1].kind;

    const auto pushOperator = [&](int32_t code) {
        if (m_operatorTop >= operatorCapacity)
            return failNoMessage();
        m_operators[static_cast<size_t>(++m_operatorTop)] = code;
        return true;
    };
    const auto pushValue = [&](double v) {
        if (m_valueTop >= valueCapacity)
            return failNoMessage();
        m_valueStack[static_cast<size_t>(++m_valueTop)] = v;
        return true;
    };

    while (m_ok && !(cur == 0 && m_operators[static_cast<size_t>(m_operatorTop)] == 0)) {
        if (cur == kind::Number) {
            Token &token = m_tokens[static_cast<size_t>(i)];
            if (token.numberState == Unread) {
                const std::string_view text = tokenText(token);
                double v = 0;
                if (text.empty()) {
                    token.numberState = IsEmpty;
                } else {
                    try {
                        token.numberState = TextToNumber(text, v) ? IsNumber : NotANumber;
                    } catch (const ArithmeticError &) {
                        token.numberState = OutOfRange;
                    }
                }
                token.number = v;
            }
            switch (token.numberState) {
            case IsNumber:
                pushValue(token.number);
                break;
            case IsEmpty:
                fail(kEmptyText);
                break;
            case NotANumber:
                fail(kNotANumber);
                break;
            default:
                throw ArithmeticError("数值超出范围: " + std::string(tokenText(token)));
            }
            ++i;
        } else if (cur == kind::Variable) {
            // Left unbound: no value and no operator; the evaluation ends.
            failNoMessage();
        } else {
            const int32_t top = m_operators[static_cast<size_t>(m_operatorTop)];
            const int32_t d = top / 10 - cur / 10;
            if (d < 0) {
                pushOperator(cur == kind::OpenBracket ? 1 : cur);
                ++i;
            } else if (d == 0 && cur == kind::CloseBracket) {
                if (top == 0) {
                    // No bracket open: never pop the bottom marker.
                    failNoMessage();
                } else {
                    --m_operatorTop;
                    ++i;
                }
            } else if (top >= 10 && top <= 39) {
                --m_operatorTop;
                if (m_valueTop < 2) {
                    failNoMessage();
                } else {
                    const double right = m_valueStack[static_cast<size_t>(m_valueTop--)];
                    const double left = m_valueStack[static_cast<size_t>(m_valueTop--)];
                    applyBinary(top, left, right);
                    if (m_ok)
                        pushValue(m_pending);
                }
            } else if (cur == kind::UnaryPlus || cur == kind::UnaryMinus) {
                pushOperator(cur);
                ++i;
            } else if (m_valueTop < 1 || top == 0) {
                failNoMessage();
            } else {
                double &x = m_valueStack[static_cast<size_t>(m_valueTop)];
                applyUnary(top, x);
                --m_operatorTop;
            }
        }
        cur = i <= m_count ? m_tokens[static_cast<size_t>(i)].kind : 0;
    }
    if (m_ok && m_valueTop >= 1) {
        result = m_valueStack[1];
        return true;
    }
    return false;
}

void FormulaEvaluator::applyBinary(int32_t op, double left, double right)
{
    const long double l = left;
    const long double r = right;
    switch (op) {
    case kind::Plus:
        m_pending = store(l + r);
        return;
    case kind::Minus:
        m_pending = store(l - r);
        return;
    case kind::Times:
        m_pending = store(l * r);
        return;
    case kind::Divide:
        if (right == 0) {
            fail(kDivideByZero);
            return;
        }
        m_pending = store(l / r);
        return;
    case kind::Power:
        if (left <= 0) {
            fail(kPowerBase);
            return;
        }
        m_pending = store(power(l, right));
        return;
    default:
        // Codes 12..39 that are no operator never reach the stack.
        failNoMessage();
        return;
    }
}

bool FormulaEvaluator::applyUnary(int32_t op, double &x)
{
    const bool degrees = m_angleUnit == AngleUnit::Degrees;
    const long double v = x;
    // The argument of a trigonometric function, rounded to a double.
    const auto angle = [&]() -> long double {
        return degrees ? static_cast<long double>(static_cast<double>(v * kPi / 180.0L)) : v;
    };
    const auto fromRadians = [&](long double r) { return degrees ? r * 180.0L / kPi : r; };
    switch (op) {
    case kind::UnaryPlus:
        return true;
    case kind::UnaryMinus:
        x = store(-v);
        return true;
    case kind::Ln:
        if (x <= 0)
            return fail(kLogArgument);
        x = store(std::log(v));
        return true;
    case kind::Exp:
        x = store(std::exp(v));
        return true;
    case kind::Abs:
        x = store(std::fabs(v));
        return true;
    case kind::Sqr:
        x = store(v * v);
        return true;
    case kind::Sqrt:
        if (x < 0)
            return fail(kSqrtArgument);
        x = store(std::sqrt(v));
        return true;
    case kind::Sin:
        x = store(sineOf(angle()));
        return true;
    case kind::Cos:
        x = store(cosineOf(angle()));
        return true;
    case kind::Tan: {
        const long double a = angle();
        const long double c = cosineOf(a);
        if (c == 0)
            return fail(kTanAngle);
        x = store(sineOf(a) / c);
        return true;
    }
    case kind::Cot: {
        const long double a = angle();
        const long double s = sineOf(a);
        if (s == 0)
            return fail(kCotAngle);
        x = store(cosineOf(a) / s);
        return true;
    }
    case kind::ArcSin:
        if (std::fabs(x) > 1)
            return fail(kArcSinArgument);
        x = store(fromRadians(std::asin(v)));
        return true;
    case kind::ArcCos:
        if (std::fabs(x) > 1)
            return fail(kArcCosArgument);
        x = store(fromRadians(std::acos(v)));
        return true;
    case kind::ArcTan:
        x = store(fromRadians(std::atan(v)));
        return true;
    case kind::ArcCot:
        x = store(fromRadians(kPi / 2.0L - std::atan(v)));
        return true;
    default:
        // The marker of an opening bracket left open: only popped.
        return true;
    }
}

GongsiNode FormulaEvaluator::node(int k) const
{
    if (k < 1 || k > m_count)
        return {};
    const Token &t = m_tokens[static_cast<size_t>(k)];
    return GongsiNode { t.kind, std::string(tokenText(t)) };
}

std::string FormulaEvaluator::displayText(int k) const
{
    if (k < 1 || k > m_count)
        return {};
    const Token &t = m_tokens[static_cast<size_t>(k)];
    if (t.valueRow >= 0)
        return std::string(tokenText(t));
    if (!m_trailValid) {
        m_trail = trailPositions(m_source);
        m_trailValid = true;
    }
    return displayGbkRange(m_source, m_trail, t.srcOffset, t.srcLength);
}

std::vector<std::string> FormulaEvaluator::variableNames() const
{
    std::vector<std::string> names;
    std::vector<std::string_view> seen;
    for (int k = 1; k <= m_count; ++k) {
        const Token &t = m_tokens[static_cast<size_t>(k)];
        if (t.kind != kind::Variable)
            continue;
        const std::string_view name = tokenText(t);
        bool known = false;
        for (const std::string_view s : seen)
            known = known || s == name;
        if (!known) {
            seen.push_back(name);
            names.push_back(displayText(k));
        }
    }
    return names;
}

bool FormulaEvaluator::splitsCharacter() const
{
    return splitsCharacterGbk(m_source, m_profile.skippedByte);
}

bool FormulaSplitsCharacter(std::string_view formulaUtf8, const EvaluatorProfile &profile)
{
    return splitsCharacterGbk(text::toGbk(formulaUtf8), profile.skippedByte);
}

} // namespace holvane::formula
