#include "query/tfrm_find.h"

#include "app/appcontext.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/screenscaling.h"
#include "pages/tfrm_tbl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace holvane::query {

Tfrm_find::Tfrm_find(app::AppContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ctx(context)
    , m_id(++context.query.lastQueryDialog)
{
    setObjectName(QStringLiteral("frm_find"));
    setWindowTitle(QStringLiteral("数据查询"));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(180);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems({ QStringLiteral("="), QStringLiteral(">="), QStringLiteral("<="), QStringLiteral(">"),
        QStringLiteral("<"), QString() });
    ComboBox2->setEditText(QStringLiteral("="));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(120);
    BitBtn1 = new QPushButton(QStringLiteral("查询"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Button1 = new QPushButton(QStringLiteral("撤销查询"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    BitBtn2 = new QPushButton(QStringLiteral("退出"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("字段"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("条件"), this), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("数值"), this), 0, 2);
    layout->addWidget(ComboBox1, 1, 0);
    layout->addWidget(ComboBox2, 1, 1);
    layout->addWidget(Edit1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : { BitBtn1, Button1, BitBtn2 })
        buttons->addWidget(b);
    layout->addLayout(buttons, 2, 0, 1, 3);

    connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { publishCondition(); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { publishCondition(); });
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this] { publishCondition(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { publishCondition(); });
    connect(
        BitBtn1, &QPushButton::clicked, this, [this] { app::guarded(m_ctx.messages(), [this] { BitBtn1Click(); }); });
    connect(
        Button1, &QPushButton::clicked, this, [this] { app::guarded(m_ctx.messages(), [this] { Button1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    app::ScreenScaling(*this);
}

void Tfrm_find::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_find::FormShow()
{
    m_ctx.query.lastQueryDialog = m_id;
    ComboBox1->clear();
    ComboBox1->setEditText(QString());
    Edit1->clear();
    if (pages::TFrm_tbl *page = pages::shownTablePage(m_ctx))
        for (const store::FieldDef &field : page->Table3().fields())
            ComboBox1->addItem(QString::fromStdString(field.name));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    publishCondition();
}

void Tfrm_find::publishCondition()
{
    if (m_ctx.query.lastQueryDialog != m_id)
        return;
    QueryCondition &c = m_ctx.query.condition;
    const int index = ComboBox1->currentIndex();
    // A field typed rather than chosen selects no item of the list.
    c.field = index >= 0 && ComboBox1->itemText(index) == ComboBox1->currentText() ? index : -1;
    c.fieldText = ComboBox1->currentText();
    c.op = ComboBox2->currentText();
    c.value = Edit1->text().trimmed();
}

void Tfrm_find::BitBtn1Click()
{
    const QueryCondition &c = m_ctx.query.condition;
    if (c.fieldText.isEmpty()) {
        m_ctx.messages().inform(QStringLiteral("请选择查询项目"), windowTitle());
        return;
    }
    if (c.value.isEmpty()) {
        m_ctx.messages().inform(QStringLiteral("请输入查询条件"), windowTitle());
        return;
    }
    if (pages::TFrm_tbl *page = pages::shownTablePage(m_ctx))
        page->setFilterOn(true);
}

void Tfrm_find::Button1Click()
{
    if (pages::TFrm_tbl *page = pages::shownTablePage(m_ctx))
        page->setFilterOn(false);
}

} // namespace holvane::query
