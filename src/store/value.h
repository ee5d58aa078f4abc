#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace holvane::store {

// A field's value: Null (an empty field), an integer, a floating-point number,
// a text (UTF-8; dates as "yyyy-MM-dd") or raw bytes (pictures, scrambled text).
class Value {
public:
    struct Bytes {
        std::string data;
        bool operator==(const Bytes &other) const { return data == other.data; }
    };

    Value() = default;
    Value(std::int64_t v) : m_v(v) {}
    Value(int v) : m_v(static_cast<std::int64_t>(v)) {}
    Value(double v) : m_v(v) {}
    Value(std::string v) : m_v(std::move(v)) {}
    Value(const char *v) : m_v(std::string(v)) {}
    Value(Bytes v) : m_v(std::move(v)) {}

    static Value bytes(std::string data) { return Value(Bytes{std::move(data)}); }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(m_v); }
    bool isReal() const { return std::holds_alternative<double>(m_v); }
    bool isText() const { return std::holds_alternative<std::string>(m_v); }
    bool isBytes() const { return std::holds_alternative<Bytes>(m_v); }

    std::int64_t integer() const { return std::get<std::int64_t>(m_v); }
    double real() const { return std::get<double>(m_v); }
    const std::string &text() const { return std::get<std::string>(m_v); }
    // The bytes of a text or a byte value; empty for the others.
    const std::string &rawBytes() const;

    bool operator==(const Value &other) const { return m_v == other.m_v; }
    bool operator!=(const Value &other) const { return !(m_v == other.m_v); }

private:
    std::variant<std::monostate, std::int64_t, double, std::string, Bytes> m_v;
};

} // namespace holvane::store
