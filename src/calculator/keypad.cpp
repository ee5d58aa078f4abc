#include "calculator/keypad.h"

#include "app/messageservice.h"
#include "calculator/resultrounding.h"
#include "formula/numberformat.h"

#include <cmath>

namespace holvane::calculator {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr int kPlus = 1;
constexpr int kMinus = 2;
constexpr int kTimes = 3;
constexpr int kDivide = 4;
constexpr int kSqrt = 5;
constexpr int kSin = 6;
constexpr int kCos = 7;
constexpr int kTan = 8;
constexpr int kLn = 9;
constexpr int kExp = 10;
constexpr int kPower = 11;
constexpr int kArc = 64;

const char *const kEmptyEntry = "请在编辑框中输入数字！";
const char *const kNotANumber = "编辑框中的内容不是数字，请重新输入！";
const char *const kOutOfRange = "输入数值超出计算范围，请重新输入!";

int binaryCode(Keypad::Key key)
{
    switch (key) {
    case Keypad::Key::Plus:
        return kPlus;
    case Keypad::Key::Minus:
        return kMinus;
    case Keypad::Key::Times:
        return kTimes;
    case Keypad::Key::Divide:
        return kDivide;
    case Keypad::Key::Power:
        return kPower;
    default:
        return 0;
    }
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

bool Keypad::inform(const char *message)
{
    m_messages.inform(QString::fromUtf8(message), QStringLiteral("工程计算器"));
    return false;
}

bool Keypad::readEntry(const QString &entry, double &v)
{
    if (entry.isEmpty())
        return inform(kEmptyEntry);
    try {
        if (!formula::TextToNumber(entry.toStdString(), v))
            return inform(kNotANumber);
    } catch (const formula::ArithmeticError &) {
        return inform(kOutOfRange);
    }
    return true;
}

QString Keypad::press(Key key, const QString &entry, bool degrees)
{
    if (key == Key::Clear)
        return {};
    if (key == Key::Equals)
        return equals(entry);
    double v = 0;
    if (!readEntry(entry, v))
        return entry;
    if (const int code = binaryCode(key)) {
        m_reg.A = v;
        m_reg.P = code;
        return {};
    }
    return unary(key, v, degrees, entry);
}

QString Keypad::equals(const QString &entry)
{
    const int p = m_reg.P;
    if (p != kPlus && p != kMinus && p != kTimes && p != kDivide && p != kPower)
        return entry;
    double b = 0;
    if (!readEntry(entry, b))
        return entry;
    const long double a = m_reg.A;
    long double r = 0;
    switch (p) {
    case kPlus:
        r = a + b;
        break;
    case kMinus:
        r = a - b;
        break;
    case kTimes:
        r = a * b;
        break;
    case kDivide:
        if (b == 0) {
            inform("除数不能为零,请重新输入！");
            return entry;
        }
        r = a / b;
        break;
    default:
        if (a < 0) {
            inform("幂底数必需>=0,请重输新入！");
            return entry;
        }
        if (a == 0 && b < 0) {
            inform("零的负数次幂没有意义,请重新输入！");
            return entry;
        }
        r = std::pow(a, static_cast<long double>(b));
        break;
    }
    std::string shown;
    try {
        shown = RoundedText(static_cast<double>(r), 100);
    } catch (const formula::ArithmeticError &) {
        inform(kOutOfRange);
        return entry;
    }
    m_reg.B = b;
    m_reg.R = static_cast<double>(r);
    if (p == kPlus || p == kMinus || p == kTimes)
        m_reg.A = m_reg.R;
    return text(shown);
}

QString Keypad::unary(Key key, double v, bool degrees, const QString &entry)
{
    const long double toRadians = degrees ? kPi / 180 : 1;
    const long double fromRadians = degrees ? 180 / kPi : 1;
    long double r = 0;
    int scale = 100;
    int code = m_reg.P;
    double a = v;
    switch (key) {
    case Key::Sqrt:
        m_reg.A = v;
        m_reg.P = kSqrt;
        if (v < 0) {
            inform("负数不能开平方,清除重新输入数据!");
            return {};
        }
        m_reg.R = static_cast<double>(std::sqrt(static_cast<long double>(v)));
        return text(formula::NumberToText(m_reg.R));
    case Key::Sin:
    case Key::Cos:
    case Key::Tan:
        a = static_cast<double>(v * toRadians);
        r = key == Key::Sin   ? std::sin(static_cast<long double>(a))
            : key == Key::Cos ? std::cos(static_cast<long double>(a))
                              : std::tan(static_cast<long double>(a));
        scale = key == Key::Cos ? 1000 : 100;
        code = key == Key::Sin ? kSin : key == Key::Cos ? kCos : kTan;
        break;
    case Key::Ln:
        if (v <= 0) {
            m_reg.A = v;
            inform("真值必需＞0！请重新输入");
            return entry;
        }
        r = std::log(static_cast<long double>(v));
        code = kLn;
        break;
    case Key::Exp:
        r = std::exp(static_cast<long double>(v));
        code = kExp;
        break;
    case Key::ArcSin:
    case Key::ArcCos:
    case Key::ArcTan:
    case Key::ArcCot:
        if (std::fabs(v) > 1) {
            m_reg.A = v;
            inform("数据绝对值>1错");
            return entry;
        }
        if (key == Key::ArcCot && v == 0) {
            m_reg.A = v;
            inform("0的反余切不能按倒数计算,请重新输入！");
            return entry;
        }
        r = key == Key::ArcSin   ? std::asin(static_cast<long double>(v))
            : key == Key::ArcCos ? std::acos(static_cast<long double>(v))
            : key == Key::ArcTan ? std::atan(static_cast<long double>(v))
                                 : 1 / std::atan(static_cast<long double>(v));
        r *= fromRadians;
        code = kArc;
        break;
    case Key::Sum:
        r = static_cast<long double>(m_reg.R) + v;
        break;
    default:
        return entry;
    }
    std::string shown;
    try {
        shown = RoundedText(static_cast<double>(r), scale);
    } catch (const formula::ArithmeticError &) {
        m_reg.A = a;
        inform(kOutOfRange);
        return entry;
    }
    m_reg.A = a;
    m_reg.R = static_cast<double>(r);
    m_reg.P = code;
    return text(shown);
}

} // namespace holvane::calculator
