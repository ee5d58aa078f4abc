#pragma once

#include "app/data/databinding.h"

#include <QLabel>

namespace holvane::app {

// A picture field of a data source's current record (any format Qt reads,
// BMP included), drawn at its natural size or stretched to the widget.
class DbImage : public QLabel {
    Q_OBJECT
public:
    explicit DbImage(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field) { m_binding.bind(source, field); }
    void setStretch(bool stretch) { setScaledContents(stretch); }

private:
    void refresh();

    DataBinding m_binding;
};

} // namespace holvane::app
