#pragma once

#include "app/data/databinding.h"

#include <QPlainTextEdit>

namespace holvane::app {

// A read-only memo showing one text field of a data source's current record.
class DbMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DbMemo(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field) { m_binding.bind(source, field); }
    DataSource *dataSource() const { return m_binding.source(); }
    const QString &dataField() const { return m_binding.field(); }

private:
    DataBinding m_binding;
};

} // namespace holvane::app
