#include "app/data/dbnavigator.h"

#include "app/data/datasource.h"
#include "app/errorguard.h"
#include "store/cursor.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace holvane::app {

namespace {

QToolButton *navButton(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

} // namespace

DbNavigator::DbNavigator(MessageService &messages, QWidget *parent) : QWidget(parent), m_messages(messages)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_first = navButton(this, "nbFirst", QStringLiteral("|◀"), QStringLiteral("第一条"));
    m_prior = navButton(this, "nbPrior", QStringLiteral("◀"), QStringLiteral("上一条"));
    m_next = navButton(this, "nbNext", QStringLiteral("▶"), QStringLiteral("下一条"));
    m_last = navButton(this, "nbLast", QStringLiteral("▶|"), QStringLiteral("最后一条"));
    for (QToolButton *b : {m_first, m_prior, m_next, m_last})
        layout->addWidget(b);
    connect(m_first, &QToolButton::clicked, this, [this] { move([](DataSource &s) { s.cursor()->first(); }); });
    connect(m_prior, &QToolButton::clicked, this, [this] { move([](DataSource &s) { s.cursor()->prior(); }); });
    connect(m_next, &QToolButton::clicked, this, [this] { move([](DataSource &s) { s.cursor()->next(); }); });
    connect(m_last, &QToolButton::clicked, this, [this] { move([](DataSource &s) { s.cursor()->last(); }); });
    refresh();
}

DbNavigator::~DbNavigator()
{
    if (m_source && m_listener >= 0)
        m_source->removeListener(m_listener);
}

void DbNavigator::bind(DataSource *source)
{
    if (m_source && m_listener >= 0)
        m_source->removeListener(m_listener);
    m_source = source;
    m_listener = m_source ? m_source->addListener([this] { refresh(); }) : -1;
    refresh();
}

void DbNavigator::move(void (*step)(DataSource &))
{
    if (!m_source || !m_source->cursor() || !m_source->cursor()->isOpen())
        return;
    guarded(m_messages, [&] { step(*m_source); });
}

void DbNavigator::refresh()
{
    const store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    const bool open = cursor && cursor->isOpen() && cursor->recordCount() > 0;
    const int pos = open ? cursor->recNo() : -1;
    const int last = open ? cursor->recordCount() - 1 : -1;
    m_first->setEnabled(open && pos > 0);
    m_prior->setEnabled(open && pos > 0);
    m_next->setEnabled(open && pos < last);
    m_last->setEnabled(open && pos < last);
}

} // namespace holvane::app
