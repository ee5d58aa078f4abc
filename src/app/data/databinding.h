#pragma once

#include "app/data/datasource.h"

#include <QPointer>
#include <QString>
#include <functional>

namespace holvane::store {
class Cursor;
class Value;
} // namespace holvane::store

namespace holvane::app {

// A widget's link to one field of a data source's current record: calls
// `refresh` whenever the record changes and lets go of the source when
// either side goes.
class DataBinding {
public:
    explicit DataBinding(std::function<void()> refresh) : m_refresh(std::move(refresh)) {}
    ~DataBinding();
    DataBinding(const DataBinding &) = delete;
    DataBinding &operator=(const DataBinding &) = delete;

    void bind(DataSource *source, const QString &field);
    DataSource *source() const { return m_source; }
    const QString &field() const { return m_field; }
    // The bound cursor when it is open and the field exists.
    store::Cursor *openCursor() const;
    // The field's value on the current record as text; empty when unbound.
    QString text() const;

private:
    void unbind();

    std::function<void()> m_refresh;
    QPointer<DataSource> m_source;
    QString m_field;
    int m_listener = -1;
};

} // namespace holvane::app
