#pragma once

#include "app/data/databinding.h"

#include <QLineEdit>

namespace holvane::app {

// A read-only edit showing one field of a data source's current record.
class DbEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DbEdit(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field) { m_binding.bind(source, field); }

private:
    DataBinding m_binding;
};

} // namespace holvane::app
