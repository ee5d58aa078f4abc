#pragma once

#include <QObject>
#include <functional>
#include <map>

namespace holvane::store {
class Cursor;
}

namespace holvane::app {

// Connects a cursor to the widgets that show its current record: it takes
// the cursor's one after-scroll notification and passes it to every
// listener in the order they were added. Listeners run directly (not as
// queued Qt signals), so an error they raise reaches whoever moved the
// cursor, where the handler's error guard shows it.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr) : QObject(parent) {}
    ~DataSource() override;

    // The cursor shown, or none. The data source takes the cursor's
    // after-scroll notification over and gives it back when it changes.
    void setCursor(store::Cursor *cursor);
    store::Cursor *cursor() const { return m_cursor; }

    int addListener(std::function<void()> listener);
    void removeListener(int id);

    // Tells every listener that the record changed (the cursor does this
    // after every move); also used when the source switches cursors.
    void notify();

private:
    store::Cursor *m_cursor = nullptr;
    std::map<int, std::function<void()>> m_listeners;
    int m_nextId = 0;
};

} // namespace holvane::app
