#include "store/cursor.h"

#include "formula/numberformat.h"
#include "store/fieldvalue.h"
#include "store/names.h"
#include "store/storeerror.h"

#include <algorithm>

namespace holvane::store {
namespace {

const Value &nullValue()
{
    static const Value v;
    return v;
}

bool isNumeric(FieldType t)
{
    return t == FieldType::Int16 || t == FieldType::Int32 || t == FieldType::Float;
}

double numberOf(const Value &v)
{
    return v.isInteger() ? static_cast<double>(v.integer()) : v.real();
}

} // namespace

const Value &RecordView::value(std::string_view field) const
{
    const int i = m_cursor.fieldIndex(field);
    if (i < 0)
        throw StoreError("数据表“" + m_cursor.label() + "”没有字段“" + std::string(field) + "”");
    return m_cells[i];
}

std::string RecordView::text(int field) const
{
    return valueToText(m_cursor.field(field), m_cells[field]);
}

std::string RecordView::text(std::string_view field) const
{
    const int i = m_cursor.fieldIndex(field);
    if (i < 0)
        throw StoreError("数据表“" + m_cursor.label() + "”没有字段“" + std::string(field) + "”");
    return text(i);
}

int Cursor::recordCount() const
{
    return m_filtered ? static_cast<int>(m_visible.size()) : rowCountAll();
}

void Cursor::placeAt(int position)
{
    const int n = recordCount();
    m_pos = n == 0 ? -1 : std::clamp(position, 0, n - 1);
}

void Cursor::first()
{
    placeAt(0);
    m_bof = true;
    m_eof = recordCount() == 0;
    notifyScroll();
}

void Cursor::last()
{
    placeAt(recordCount() - 1);
    m_eof = true;
    m_bof = recordCount() == 0;
    notifyScroll();
}

void Cursor::next()
{
    if (m_pos + 1 < recordCount()) {
        ++m_pos;
        m_bof = m_eof = false;
        notifyScroll();
    } else {
        m_eof = true;
    }
}

void Cursor::prior()
{
    if (m_pos > 0) {
        --m_pos;
        m_bof = m_eof = false;
        notifyScroll();
    } else {
        m_bof = true;
    }
}

void Cursor::moveTo(int position)
{
    placeAt(position);
    m_bof = m_eof = recordCount() == 0;
    notifyScroll();
}

bool Cursor::locate(std::string_view fieldName, std::string_view text, LocateMode mode)
{
    const int f = fieldIndexOrThrow(fieldName);
    const FieldDef &def = m_fields[static_cast<size_t>(f)];
    double wanted = 0;
    bool numeric = mode == LocateMode::Exact && isNumeric(def.type);
    if (numeric) {
        try {
            numeric = formula::TextToNumber(text, wanted);
        } catch (const formula::ArithmeticError &) {
            return false;
        }
        if (!numeric)
            return false;
    }
    const int n = recordCount();
    for (int p = 0; p < n; ++p) {
        const Value &v = cellsOf(rowAt(p))[f];
        bool match = false;
        if (numeric) {
            match = (v.isInteger() || v.isReal()) && numberOf(v) == wanted;
        } else {
            const std::string t = valueToText(def, v);
            match = mode == LocateMode::Exact ? t == text : t.compare(0, text.size(), text) == 0;
        }
        if (match) {
            m_pos = p;
            m_bof = m_eof = false;
            notifyScroll();
            return true;
        }
    }
    return false;
}

const FieldDef &Cursor::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw StoreError("数据表“" + m_label + "”没有第 " + std::to_string(index + 1) + " 个字段");
    return m_fields[static_cast<size_t>(index)];
}

int Cursor::fieldIndex(std::string_view name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (equalsNoCase(m_fields[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

int Cursor::fieldIndexOrThrow(std::string_view name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw StoreError("数据表“" + m_label + "”没有字段“" + std::string(name) + "”");
    return i;
}

const Value *Cursor::currentCells() const
{
    return m_pos < 0 ? nullptr : cellsOf(rowAt(m_pos));
}

const Value &Cursor::value(int index) const
{
    field(index);
    const Value *cells = currentCells();
    return cells ? cells[index] : nullValue();
}

const Value &Cursor::valueAt(int position, int index) const
{
    field(index);
    if (position < 0 || position >= recordCount())
        return nullValue();
    return cellsOf(rowAt(position))[index];
}

const Value &Cursor::value(std::string_view name) const
{
    return value(fieldIndexOrThrow(name));
}

std::string Cursor::text(int index) const
{
    return valueToText(field(index), value(index));
}

std::string Cursor::text(std::string_view name) const
{
    return text(fieldIndexOrThrow(name));
}

void Cursor::setFiltered(bool on)
{
    m_filtered = on && m_filter;
    applyFilter();
    if (m_open)
        first();
}

void Cursor::applyFilter()
{
    m_visible.clear();
    if (!m_filtered)
        return;
    const int n = rowCountAll();
    for (int r = 0; r < n; ++r) {
        if (m_filter(RecordView(*this, cellsOf(r))))
            m_visible.push_back(r);
    }
}

void Cursor::setRecords(std::vector<Value> cells, std::vector<std::int64_t> rowids)
{
    m_cells = std::move(cells);
    m_rowids = std::move(rowids);
    applyFilter();
    placeAt(m_pos);
}

void Cursor::clearRecords()
{
    m_cells.clear();
    m_rowids.clear();
    m_visible.clear();
    m_pos = -1;
    m_bof = m_eof = true;
}

void Cursor::moveToRowid(std::int64_t rowid, int fallbackPosition)
{
    const int n = recordCount();
    for (int p = 0; p < n; ++p) {
        if (rowidAt(rowAt(p)) == rowid) {
            m_pos = p;
            m_bof = m_eof = false;
            notifyScroll();
            return;
        }
    }
    placeAt(fallbackPosition);
    m_bof = m_eof = n == 0;
    notifyScroll();
}

void Cursor::notifyScroll()
{
    if (m_afterScroll)
        m_afterScroll();
}

} // namespace holvane::store
