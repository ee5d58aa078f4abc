#include "app/data/databinding.h"

#include "app/data/datasource.h"
#include "store/cursor.h"

namespace holvane::app {

DataBinding::~DataBinding()
{
    unbind();
}

void DataBinding::unbind()
{
    if (m_source && m_listener >= 0)
        m_source->removeListener(m_listener);
    m_listener = -1;
    m_source = nullptr;
}

void DataBinding::bind(DataSource *source, const QString &field)
{
    unbind();
    m_source = source;
    m_field = field;
    if (m_source)
        m_listener = m_source->addListener(m_refresh);
    m_refresh();
}

store::Cursor *DataBinding::openCursor() const
{
    store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    if (!cursor || !cursor->isOpen() || cursor->fieldIndex(m_field.toStdString()) < 0)
        return nullptr;
    return cursor;
}

QString DataBinding::text() const
{
    const store::Cursor *cursor = openCursor();
    return cursor ? QString::fromStdString(cursor->text(m_field.toStdString())) : QString();
}

} // namespace holvane::app
