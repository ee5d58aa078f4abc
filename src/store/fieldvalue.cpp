#include "store/fieldvalue.h"

#include "formula/numberformat.h"
#include "store/storeerror.h"

#include <charconv>
#include <cmath>

namespace holvane::store {
namespace {

[[noreturn]] void refuse(const FieldDef &field, std::string_view text, const std::string &table)
{
    throw StoreError("数据表“" + table + "”：“" + std::string(text) + "”不是字段“" + field.name + "”的有效"
                     + fieldTypeName(field.type) + "值");
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

Value integerFromText(const FieldDef &field, std::string_view text, const std::string &table)
{
    const std::string_view t = trimmed(text);
    std::string_view digits = t;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int64_t v = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (digits.empty() || res.ec != std::errc() || res.ptr != digits.data() + digits.size())
        refuse(field, text, table);
    return fitValue(field, Value(v), table);
}

} // namespace

bool isIsoDate(std::string_view t)
{
    if (t.size() != 10 || t[4] != '-' || t[7] != '-')
        return false;
    for (const size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (t[i] < '0' || t[i] > '9')
            return false;
    }
    const int y = (t[0] - '0') * 1000 + (t[1] - '0') * 100 + (t[2] - '0') * 10 + (t[3] - '0');
    const int m = (t[5] - '0') * 10 + (t[6] - '0');
    const int d = (t[8] - '0') * 10 + (t[9] - '0');
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

std::string valueToText(const FieldDef &field, const Value &value)
{
    (void)field;
    if (value.isNull())
        return {};
    if (value.isInteger())
        return std::to_string(value.integer());
    if (value.isReal())
        return formula::NumberToText(value.real());
    return value.rawBytes();
}

Value valueFromText(const FieldDef &field, std::string_view text, const std::string &table)
{
    if (text.empty())
        return Value();
    switch (field.type) {
    case FieldType::Text:
    case FieldType::Memo:
        return Value(std::string(text));
    case FieldType::Graphic:
        return Value::bytes(std::string(text));
    case FieldType::Int16:
    case FieldType::Int32:
        return integerFromText(field, text, table);
    case FieldType::Float: {
        double v = 0;
        bool ok = false;
        try {
            ok = formula::TextToNumber(text, v);
        } catch (const formula::ArithmeticError &) {
            ok = false;
        }
        if (!ok)
            refuse(field, text, table);
        return Value(v);
    }
    case FieldType::Date:
        if (!isIsoDate(trimmed(text)))
            refuse(field, text, table);
        return Value(std::string(trimmed(text)));
    }
    return Value(std::string(text));
}

Value fitValue(const FieldDef &field, const Value &value, const std::string &table)
{
    if (value.isNull())
        return value;
    switch (field.type) {
    case FieldType::Text:
    case FieldType::Memo:
        if (value.isInteger() || value.isReal())
            return Value(valueToText(field, value));
        if (value.isText() && value.text().empty())
            return Value();
        return value;
    case FieldType::Graphic:
        return value.isBytes() ? value : Value::bytes(valueToText(field, value));
    case FieldType::Int16:
    case FieldType::Int32: {
        std::int64_t v = 0;
        if (value.isInteger()) {
            v = value.integer();
        } else if (value.isReal() && std::nearbyint(value.real()) == value.real()
                   && std::fabs(value.real()) < 9.2e18) {
            v = static_cast<std::int64_t>(value.real());
        } else if (value.isText()) {
            return integerFromText(field, value.text(), table);
        } else {
            refuse(field, valueToText(field, value), table);
        }
        const std::int64_t limit = field.type == FieldType::Int16 ? 32767 : 2147483647;
        if (v > limit || v < -limit - 1)
            refuse(field, std::to_string(v), table);
        return Value(v);
    }
    case FieldType::Float:
        if (value.isReal())
            return value;
        if (value.isInteger())
            return Value(static_cast<double>(value.integer()));
        if (value.isText())
            return valueFromText(field, value.text(), table);
        refuse(field, valueToText(field, value), table);
    case FieldType::Date:
        if (value.isText())
            return valueFromText(field, value.text(), table);
        refuse(field, valueToText(field, value), table);
    }
    return value;
}

} // namespace holvane::store
