#include "query/tfrm_search.h"

#include "app/appcontext.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/screenscaling.h"
#include "pages/tfrm_tbl.h"
#include "query/tablesearch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace holvane::query {

Tfrm_search::Tfrm_search(app::AppContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("frm_search"));
    setWindowTitle(QStringLiteral("数据搜索"));
    Label1 = new QLabel(QStringLiteral("请输入搜索字符"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(240);
    Button1 = new QPushButton(QStringLiteral("搜索"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("下一个"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("退出"), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : { Button1, Button2, Button3 })
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);

    connect(
        Button1, &QPushButton::clicked, this, [this] { app::guarded(m_ctx.messages(), [this] { Button1Click(); }); });
    connect(
        Button2, &QPushButton::clicked, this, [this] { app::guarded(m_ctx.messages(), [this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    app::ScreenScaling(*this);
}

void Tfrm_search::Button1Click()
{
    pages::TFrm_tbl *page = pages::shownTablePage(m_ctx);
    if (!page)
        return;
    store::Table &table = page->Table3();
    table.first();
    const std::optional<SearchHit> hit = findInTable(table, Edit1->text().trimmed().toStdString(), 0, 0);
    if (!hit) {
        table.last();
        m_ctx.messages().inform(QStringLiteral("没有搜索结果"), windowTitle());
        return;
    }
    table.moveTo(hit->record);
    page->selectField(hit->field);
    m_ctx.query.searchPosition = hit->field;
}

void Tfrm_search::Button2Click()
{
    pages::TFrm_tbl *page = pages::shownTablePage(m_ctx);
    if (!page)
        return;
    store::Table &table = page->Table3();
    const std::optional<SearchHit> hit = findInTable(
        table, Edit1->text().trimmed().toStdString(), std::max(table.recNo(), 0), m_ctx.query.searchPosition + 1);
    if (!hit) {
        table.last();
        return;
    }
    table.moveTo(hit->record);
    page->selectField(hit->field);
    m_ctx.query.searchPosition = hit->field;
}

} // namespace holvane::query
