#pragma once

#include "store/fielddef.h"
#include "store/value.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace holvane::store {

class Cursor;

// One record as a filter sees it.
class RecordView {
public:
    RecordView(const Cursor &cursor, const Value *cells) : m_cursor(cursor), m_cells(cells) {}
    const Value &value(int field) const { return m_cells[field]; }
    const Value &value(std::string_view field) const;
    std::string text(int field) const;
    std::string text(std::string_view field) const;

private:
    const Cursor &m_cursor;
    const Value *m_cells;
};

enum class LocateMode { Exact, Prefix };

// The records of a table or a query in their order, with a current record.
// The records are read when the cursor opens (or re-reads) and navigation works
// on them in memory. A filter decides per record which ones are seen.
class Cursor {
public:
    using Filter = std::function<bool(const RecordView &)>;
    using Listener = std::function<void()>;

    Cursor() = default;
    virtual ~Cursor() = default;
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    bool isOpen() const { return m_open; }
    // The name the cursor is known by in messages.
    const std::string &label() const { return m_label; }

    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount() const;
    // Position of the current record among those seen, 0-based; -1 when none.
    int recNo() const { return m_pos; }
    // Moves to the record at a position among those seen.
    void moveTo(int position);

    // Moves to the first record whose field equals the text, or begins with it
    // (case-sensitive). A numeric field compares numbers. False, and the
    // current record stays, when none matches.
    bool locate(std::string_view field, std::string_view text, LocateMode mode = LocateMode::Exact);

    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const std::vector<FieldDef> &fields() const { return m_fields; }
    const FieldDef &field(int index) const;
    // The field's position, names compared without regard to case; -1 if none.
    int fieldIndex(std::string_view name) const;

    // The current record's values; Null everywhere when there is none.
    const Value &value(int field) const;
    const Value &value(std::string_view field) const;
    std::string text(int field) const;
    std::string text(std::string_view field) const;
    // A field of the record at a position among those seen, read without
    // moving to it (views show rows this way); Null outside the records.
    const Value &valueAt(int position, int field) const;

    // The filter takes effect when filtering is switched on; switching it on
    // or off re-reads the records and moves to the first one seen.
    void setFilter(Filter filter) { m_filter = std::move(filter); }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Called after every change of the current record, opening included.
    void setAfterScroll(Listener listener) { m_afterScroll = std::move(listener); }

protected:
    // Takes freshly read records: `cells` holds fields().size() values a record.
    void setRecords(std::vector<Value> cells, std::vector<std::int64_t> rowids);
    void setFields(std::vector<FieldDef> fields) { m_fields = std::move(fields); }
    void setOpen(bool open) { m_open = open; }
    void setLabel(std::string label) { m_label = std::move(label); }
    void clearRecords();
    void notifyScroll();
    // The record shown at `position` among those seen, as an index into all.
    int rowAt(int position) const { return m_filtered ? m_visible[static_cast<size_t>(position)] : position; }
    int rowCountAll() const { return static_cast<int>(m_rowids.size()); }
    std::int64_t rowidAt(int row) const { return m_rowids[static_cast<size_t>(row)]; }
    const Value *cellsOf(int row) const { return &m_cells[static_cast<size_t>(row) * m_fields.size()]; }
    // Moves to the record of a row id (or the nearest position) and notifies.
    void moveToRowid(std::int64_t rowid, int fallbackPosition);
    // The values shown for the current record; a table in edit mode shows its
    // edit buffer instead.
    virtual const Value *currentCells() const;
    int fieldIndexOrThrow(std::string_view name) const;

private:
    void applyFilter();
    void placeAt(int position);

    std::string m_label;
    bool m_open = false;
    std::vector<FieldDef> m_fields;
    std::vector<Value> m_cells;
    std::vector<std::int64_t> m_rowids;
    std::vector<int> m_visible;
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_filtered = false;
    Filter m_filter;
    Listener m_afterScroll;
};

} // namespace holvane::store
