#include "query/gbklengthvalidator.h"

#include "text/gbk.h"

namespace holvane::query {

QValidator::State GbkLengthValidator::validate(QString &input, int &) const
{
    return text::gbkLength(input.toStdString()) <= static_cast<size_t>(m_maxBytes) ? Acceptable : Invalid;
}

} // namespace holvane::query
