#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace holvane::app {

class DataSource;
class MessageService;

// First, prior, next and last record of a data source's cursor; a button is
// enabled only where it can move.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    DbNavigator(MessageService &messages, QWidget *parent = nullptr);
    ~DbNavigator() override;
    void bind(DataSource *source);

private:
    void move(void (*step)(DataSource &));
    void refresh();

    MessageService &m_messages;
    QPointer<DataSource> m_source;
    int m_listener = -1;
    QToolButton *m_first;
    QToolButton *m_prior;
    QToolButton *m_next;
    QToolButton *m_last;
};

} // namespace holvane::app
