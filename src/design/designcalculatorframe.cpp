#include "design/designcalculatorframe.h"

#include "app/appcontext.h"
#include "app/errorguard.h"
#include "app/fontsetup.h"
#include "app/pictures.h"
#include "app/screenscaling.h"
#include "design/calcstage.h"
#include "design/framehook.h"
#include "design/parametergrid.h"
#include "query/gbklengthvalidator.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace holvane::design {

namespace {

constexpr int kButtonWidth = 140;
constexpr int kButtonHeight = 46;
constexpr int kColumnWidth = 150;
constexpr int kChoiceHeight = 30;
// The task fields take no more than the text fields of cx_jl.db hold.
constexpr int kTaskFieldBytes = 40;
const QSize kDesignSize(860, 650);

} // namespace

DesignCalculatorFrame::DesignCalculatorFrame(app::AppContext &context, const MemberConfig &member, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_member(member)
{
    if (const QScreen *shown = screen())
        m_screenWidth = shown->size().width();
    setObjectName(QString::fromStdString(member.window));
    setWindowTitle(QString::fromStdString(member.caption));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFixedWidth(scaled(kColumnWidth));
    m_image = new QLabel(m_panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    layout->addWidget(m_panel);

    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QString::fromStdString(member.notebook));
    layout->addWidget(m_notebook, 1);
    m_firstPage = buildTaskPage();
    m_notebook->addWidget(m_firstPage);

    for (const StageConfig &stage : member.stages) {
        CalcStage *&page = m_pages[stage.page];
        if (!page) {
            std::vector<const StageConfig *> sharing;
            for (const StageConfig &other : member.stages)
                if (other.page == stage.page)
                    sharing.push_back(&other);
            page = new CalcStage(context, member, sharing, m_notebook);
            page->task = [this] { return task(); };
            m_notebook->addWidget(page);
        }
        m_stageViews.push_back(page);
        m_chosen.push_back(-1);
    }
    buildColumn();
    m_hook = makeFrameHook(*this);

    resize(kDesignSize);
    app::ScreenScaling(*this);
    // FormCreate: the task page, the column stacked, "关闭" and "结果查询"
    // enabled, the item buttons disabled.
    m_notebook->setCurrentWidget(m_firstPage);
    Restore();
    m_stageOpen = false;
}

DesignCalculatorFrame::~DesignCalculatorFrame() = default;

CalcStage *DesignCalculatorFrame::stagePage(const std::string &page) const
{
    const auto found = m_pages.find(page);
    return found == m_pages.end() ? nullptr : found->second;
}

// A size of the 1024-wide layout on this screen.
int DesignCalculatorFrame::scaled(int pixels) const
{
    return app::scaledFontPixels(pixels, m_screenWidth);
}

QPushButton *DesignCalculatorFrame::button(const std::string &name) const
{
    return findChild<QPushButton *>(QString::fromStdString(name));
}

QWidget *DesignCalculatorFrame::buildTaskPage()
{
    auto *page = new QWidget(m_notebook);
    page->setObjectName(QStringLiteral("First_Page"));
    auto *box = new QVBoxLayout(page);
    box->addStretch(1);
    auto *title = new QLabel(QString::fromStdString(m_member.title), page);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(app::songtiFont(scaled(48)));
    title->setAlignment(Qt::AlignCenter);
    box->addWidget(title);
    box->addStretch(1);

    auto *panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("DesignTask"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setMaximumWidth(520);
    auto *form = new QFormLayout(panel);
    form->setContentsMargins(40, 24, 40, 24);
    form->setVerticalSpacing(14);
    const auto edit = [&](const char *name, const char *label, const std::string &initial) {
        auto *line = new QLineEdit(QString::fromStdString(initial), panel);
        line->setObjectName(QString::fromLatin1(name));
        line->setValidator(new query::GbkLengthValidator(kTaskFieldBytes, line));
        line->installEventFilter(this);
        form->addRow(QString::fromUtf8(label), line);
        return line;
    };
    m_number = edit("EDTrwh", "设计任务编号：", m_member.taskNumber);
    m_name = edit("Edtrwm", "设计任务名称：", m_member.taskName);
    m_designer = edit("EdtSjz", "设   计   者：", m_member.designer);
    auto *date = new QDateEdit(QDate::currentDate(), panel);
    date->setObjectName(QStringLiteral("DTPSJRQ"));
    date->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    date->installEventFilter(this);
    form->addRow(QStringLiteral("设 计 日 期："), date);

    auto *buttons = new QHBoxLayout;
    auto *confirm = new QPushButton(QStringLiteral("确定"), panel);
    confirm->setObjectName(QStringLiteral("BitBtn1"));
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    auto *reset = new QPushButton(QStringLiteral("重新输入"), panel);
    reset->setObjectName(QStringLiteral("BitBtn2"));
    connect(reset, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    buttons->addWidget(confirm);
    buttons->addWidget(reset);
    form->addRow(buttons);

    auto *centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(panel, 1);
    centre->addStretch();
    box->addLayout(centre);
    box->addStretch(2);
    page->installEventFilter(this);
    return page;
}

void DesignCalculatorFrame::buildColumn()
{
    for (const ButtonConfig &config : m_member.buttons) {
        if (config.role == ButtonRole::Choice)
            continue;
        auto *b = new QPushButton(QString::fromStdString(config.caption), m_panel);
        b->setObjectName(QString::fromStdString(config.name));
        b->setFont(app::songtiFont(scaled(14)));
        m_column.push_back(b);
        switch (config.role) {
        case ButtonRole::Item:
            b->setEnabled(false);
            for (size_t i = 0; i < m_member.stages.size(); ++i)
                if (m_member.stages[i].itemButton == config.name)
                    connect(b, &QPushButton::clicked, this, [this, i] { itemButtonClick(i); });
            break;
        case ButtonRole::Query:
            connect(b, &QPushButton::clicked, this, [this] { SButton2Click(); });
            break;
        case ButtonRole::Close:
            connect(b, &QPushButton::clicked, this, [this] { close(); });
            break;
        case ButtonRole::Choice:
            break;
        }
    }
    for (size_t i = 0; i < m_member.stages.size(); ++i) {
        const StageConfig &stage = m_member.stages[i];
        CalcStage *view = m_stageViews[i];
        // The back buttons of stages sharing a page run the open stage's own.
        view->back = [this, view] {
            for (size_t s = 0; s < m_member.stages.size(); ++s)
                if (m_stageViews[s] == view && view->stage() == &m_member.stages[s])
                    backClick(s);
        };
        QWidget *panel = nullptr;
        if (!stage.choices.empty()) {
            panel = new QFrame(m_panel);
            panel->setObjectName(QString::fromStdString(stage.choicePanel));
            auto *box = new QVBoxLayout(panel);
            box->setContentsMargins(2, 2, 2, 2);
            auto *group = new QButtonGroup(panel);
            for (size_t c = 0; c < stage.choices.size(); ++c) {
                QAbstractButton *choice = nullptr;
                if (m_member.hook == MemberHook::CuttingRadio) {
                    choice = new QRadioButton(QString::fromStdString(stage.choices[c].caption), panel);
                } else {
                    choice = new QPushButton(QString::fromStdString(stage.choices[c].caption), panel);
                    choice->setCheckable(true);
                }
                choice->setObjectName(QString::fromStdString(stage.choices[c].button));
                group->addButton(choice);
                box->addWidget(choice);
                connect(choice, &QAbstractButton::clicked, this, [this, i, c] { choiceClick(i, c); });
            }
            panel->setFixedHeight(static_cast<int>(stage.choices.size()) * kChoiceHeight + 4);
            panel->hide();
        }
        m_choicePanels.push_back(panel);
    }
}

void DesignCalculatorFrame::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_image->setGeometry(0, 0, m_panel->width(), height());
    m_image->setPixmap(QPixmap::fromImage(app::designColumnPicture(m_image->size())));
    if (!m_stageOpen)
        Restore();
}

// The column from the top of Image1, with its Left and Width; a shown choice
// panel stands right below its item button.
void DesignCalculatorFrame::stackColumn(const QWidget *panelAfter)
{
    const int buttonWidth = scaled(kButtonWidth);
    const int buttonHeight = scaled(kButtonHeight);
    const int left = m_image->x() + (m_image->width() - buttonWidth) / 2;
    int top = m_image->y() + 4;
    for (QPushButton *b : m_column) {
        b->setGeometry(left, top, buttonWidth, buttonHeight);
        top += buttonHeight;
        for (size_t i = 0; i < m_member.stages.size(); ++i) {
            QWidget *panel = m_choicePanels[i];
            if (panel && panel == panelAfter && m_member.stages[i].itemButton == b->objectName().toStdString()) {
                panel->setGeometry(left, top, buttonWidth, panel->height());
                top += panel->height();
            }
        }
    }
}

void DesignCalculatorFrame::Restore()
{
    for (QWidget *panel : m_choicePanels)
        if (panel)
            panel->hide();
    stackColumn(nullptr);
}

void DesignCalculatorFrame::BitBtn1Click()
{
    for (const StageConfig &stage : m_member.stages)
        if (QPushButton *b = button(stage.itemButton))
            b->setEnabled(true);
    m_hook->confirmed();
    if (m_member.multiStage || m_member.stages.empty())
        return;
    m_notebook->setCurrentWidget(m_stageViews.front());
    itemButtonClick(0);
}

void DesignCalculatorFrame::BitBtn2Click()
{
    if (!m_hook->resetsTask())
        return;
    m_number->clear();
    m_name->clear();
    m_designer->clear();
}

void DesignCalculatorFrame::itemButtonClick(size_t stage)
{
    if (m_stageOpen) {
        closeStage(stage);
        Restore();
        return;
    }
    const StageConfig &config = m_member.stages[stage];
    if (m_member.multiStage)
        for (const StageConfig &other : m_member.stages)
            if (other.itemButton != config.itemButton)
                button(other.itemButton)->setEnabled(false);
    m_stageOpen = true;
    if (!config.table.empty()) {
        openStage(stage, config.table, {});
        return;
    }
    // A stage whose table is chosen waits on the task page with its choices
    // shown, unless one was chosen at an earlier opening.
    m_notebook->setCurrentWidget(m_firstPage);
    m_choicePanels[stage]->show();
    stackColumn(m_choicePanels[stage]);
    if (m_hook->choicesShown(m_choicePanels[stage]) && m_chosen[stage] >= 0) {
        const ChoiceConfig &choice = config.choices[static_cast<size_t>(m_chosen[stage])];
        openStage(stage, choice.table, choice.caption);
    }
}

void DesignCalculatorFrame::choiceClick(size_t stage, size_t choice)
{
    m_chosen[stage] = static_cast<int>(choice);
    const ChoiceConfig &config = m_member.stages[stage].choices[choice];
    openStage(stage, config.table, config.caption);
}

void DesignCalculatorFrame::openStage(size_t stage, const std::string &table, const std::string &choice)
{
    CalcStage *view = m_stageViews[stage];
    m_notebook->setCurrentWidget(view);
    // A missing table is the store's error, shown by the default error box.
    app::guarded(m_context.messages(), [&] { view->openStage(m_member.stages[stage], table, choice); });
}

// Back to the task page from an open stage: the stage's tables close and the
// other item buttons come back.
void DesignCalculatorFrame::closeStage(size_t stage)
{
    if (m_member.multiStage)
        for (const StageConfig &other : m_member.stages)
            button(other.itemButton)->setEnabled(true);
    m_stageOpen = false;
    m_notebook->setCurrentWidget(m_firstPage);
    m_stageViews[stage]->closeTables();
    m_hook->stageClosed();
}

void DesignCalculatorFrame::backClick(size_t stage)
{
    if (m_member.multiStage) {
        itemButtonClick(stage);
        return;
    }
    closeStage(stage);
}

void DesignCalculatorFrame::SButton2Click()
{
    QWidget *history = m_context.windows.resultHistory;
    if (!history)
        return;
    history->adjustSize();
    history->show();
    history->raise();
}

void DesignCalculatorFrame::FormClose()
{
    for (auto &[name, page] : m_pages)
        page->closeTables();
}

void DesignCalculatorFrame::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

bool DesignCalculatorFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_notebook->currentWidget() == m_firstPage) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (button("BitBtn1")->isEnabled())
                BitBtn1Click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            BitBtn2Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

DesignTask DesignCalculatorFrame::task() const
{
    return { m_name->text().toStdString(), m_number->text().toStdString(), m_designer->text().toStdString() };
}

} // namespace holvane::design
