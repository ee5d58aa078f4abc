#include "app/data/datasource.h"

#include "store/cursor.h"

#include <vector>

namespace holvane::app {

DataSource::~DataSource()
{
    if (m_cursor)
        m_cursor->setAfterScroll({});
}

void DataSource::setCursor(store::Cursor *cursor)
{
    if (m_cursor)
        m_cursor->setAfterScroll({});
    m_cursor = cursor;
    if (m_cursor)
        m_cursor->setAfterScroll([this] { notify(); });
    notify();
}

int DataSource::addListener(std::function<void()> listener)
{
    m_listeners.emplace(m_nextId, std::move(listener));
    return m_nextId++;
}

void DataSource::removeListener(int id)
{
    m_listeners.erase(id);
}

void DataSource::notify()
{
    // A listener may add or remove listeners; run the ones present now.
    std::vector<std::function<void()>> listeners;
    for (const auto &entry : m_listeners)
        listeners.push_back(entry.second);
    for (const auto &listener : listeners)
        listener();
}

} // namespace holvane::app
