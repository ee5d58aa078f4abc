#include "pages/rowfilter.h"

#include "formula/numberformat.h"
#include "store/cursor.h"
#include "store/fielddef.h"
#include "store/fieldvalue.h"
#include "text/gbk.h"

namespace holvane::pages {

namespace {

bool isNumeric(store::FieldType type)
{
    return type == store::FieldType::Int16 || type == store::FieldType::Int32 || type == store::FieldType::Float;
}

// -1, 0, 1 as `a` is less than, equal to or greater than `b`.
template<typename T> int order(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

FilterOutcome filterRecord(const store::RecordView &record, const std::vector<store::FieldDef> &fields, int field,
    const std::string &op, const std::string &value)
{
    const bool known = op == "=" || op == ">" || op == "<" || op == ">=" || op == "<=";
    if (field < 0 || field >= static_cast<int>(fields.size()))
        return FilterOutcome::Failed;
    const store::FieldDef &def = fields[static_cast<size_t>(field)];
    if (def.type == store::FieldType::Memo || def.type == store::FieldType::Graphic)
        return FilterOutcome::Failed;
    if (!known)
        return FilterOutcome::Accept;

    int cmp = 0;
    const store::Value &cell = record.value(field);
    if (isNumeric(def.type)) {
        double wanted = 0;
        try {
            if (!formula::TextToNumber(value, wanted))
                return FilterOutcome::Failed;
        } catch (const std::exception &) {
            return FilterOutcome::Failed;
        }
        if (cell.isNull())
            cmp = -1; // an empty field sorts before every number
        else if (cell.isInteger())
            cmp = order(static_cast<double>(cell.integer()), wanted);
        else if (cell.isReal())
            cmp = order(cell.real(), wanted);
        else
            return FilterOutcome::Failed;
    } else {
        cmp = order(text::toGbk(store::valueToText(def, cell)), text::toGbk(value));
    }
    const bool holds = (op == "=" && cmp == 0) || (op == ">" && cmp > 0) || (op == "<" && cmp < 0)
        || (op == ">=" && cmp >= 0) || (op == "<=" && cmp <= 0);
    return holds ? FilterOutcome::Accept : FilterOutcome::Reject;
}

} // namespace holvane::pages
