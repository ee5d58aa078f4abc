#include "query/tfrm_cxjg.h"

#include "app/appcontext.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/screenscaling.h"
#include "query/gbklengthvalidator.h"
#include "query/groupedlines.h"
#include "query/resulthistory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace holvane::query {

namespace {
constexpr int kSubjectBytes = 40;
}

Tfrm_cxjg::Tfrm_cxjg(app::AppContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("frm_cxjg"));
    setWindowTitle(QStringLiteral("查询结果"));
    setHistoryTable(T_cxjl, m_ctx);

    Label2 = new QLabel(QStringLiteral("查 询 结 果"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont heading = Label2->font();
    heading.setPixelSize(20);
    heading.setBold(true);
    Label2->setFont(heading);
    E_zt = new QLineEdit(this);
    E_zt->setObjectName(QStringLiteral("E_zt"));
    E_zt->setValidator(new GbkLengthValidator(kSubjectBytes, E_zt));
    Label1 = new QLabel(QStringLiteral("查询结果"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(false);
    QFont fixed(QStringLiteral("Noto Sans Mono CJK SC"));
    fixed.setStyleHint(QFont::Monospace);
    Memo1->setFont(fixed);
    Button1 = new QPushButton(QStringLiteral("保存"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("清除"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("返回"), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : { Button1, Button2, Button3 })
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(E_zt);
    layout->addWidget(Label1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);

    connect(
        Button1, &QPushButton::clicked, this, [this] { app::guarded(m_ctx.messages(), [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);

    resize(640, 480);
    app::ScreenScaling(*this);
}

void Tfrm_cxjg::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    E_zt->setText(m_ctx.page.Title);
    Memo1->setPlainText(groupLines(m_ctx.page.PickedText));
    m_ctx.page.PickedText.clear();
}

void Tfrm_cxjg::Button1Click()
{
    appendHistoryRecord(T_cxjl, E_zt->text(), QStringLiteral("双击"), Memo1->toPlainText());
    m_ctx.messages().inform(QStringLiteral("保存完毕"), windowTitle());
}

void Tfrm_cxjg::Button2Click()
{
    Memo1->clear();
}

} // namespace holvane::query
