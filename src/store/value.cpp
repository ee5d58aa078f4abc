#include "store/value.h"

namespace holvane::store {

const std::string &Value::rawBytes() const
{
    static const std::string empty;
    if (const auto *s = std::get_if<std::string>(&m_v))
        return *s;
    if (const auto *b = std::get_if<Bytes>(&m_v))
        return b->data;
    return empty;
}

} // namespace holvane::store
