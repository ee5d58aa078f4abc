#pragma once

#include <string>
#include <vector>

namespace holvane::store {
class RecordView;
struct FieldDef;
} // namespace holvane::store

namespace holvane::pages {

enum class FilterOutcome { Accept, Reject, Failed };

// The table page's row filter for one record: the record's value of `field`
// compared with `value` by `op` ("=", ">", "<", ">=", "<="), numerically on a
// numeric field, as text (GBK byte order) otherwise. Any other operator
// accepts. Failed when the comparison cannot be made: no such field, a memo
// or picture field, a value that is no number on a numeric field.
FilterOutcome filterRecord(const store::RecordView &record, const std::vector<store::FieldDef> &fields, int field,
    const std::string &op, const std::string &value);

} // namespace holvane::pages
