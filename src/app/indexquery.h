#pragma once

#include "store/query.h"

#include <string>

namespace holvane::app {

// A query whose records are put in the order of one text field's GBK bytes:
// for the handbook's names that is pinyin order for the common characters
// (the GB2312 first level), then the rarer ones by radical, the order the
// index has always had. Locating a name prefix then finds the first such
// name in this order.
class IndexQuery : public store::Query {
public:
    // Opens the query and orders its records by `field`; equal names keep
    // the order the statement gave them.
    void openOrderedBy(const std::string &field);
};

// The order key of a name: its GBK bytes (a character outside GBK counts as
// "?").
std::string indexOrderKey(const std::string &utf8);

} // namespace holvane::app
