#include "query/tfrm_cxls.h"

#include "app/appcontext.h"
#include "app/data/datasource.h"
#include "app/data/dbmemo.h"
#include "app/data/dbnavigator.h"
#include "app/data/tablemodel.h"
#include "app/desktopservice.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/screenscaling.h"
#include "query/groupedlines.h"
#include "query/resulthistory.h"
#include "query/workfile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace holvane::query {

namespace {

const QString kAllRecords = QStringLiteral("所有记录");
const QString kConfirmEmpty = QStringLiteral("您真的要清空所有记录吗?");
const QString kConfirmDelete = QStringLiteral("删除当前记录吗?");
const QString kSaveFilter = QStringLiteral("*.rst (*.rst)");
const QString kOpenFilter = QStringLiteral("*.rst (*.rst);;Text (*.txt)");
const QString kRule = QStringLiteral("-------------------------------------------");

QToolButton *toolButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QPushButton *pushButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

Tfrm_cxls::Tfrm_cxls(app::AppContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("frm_cxls"));
    setWindowTitle(QStringLiteral("结果查询"));
    setHistoryTable(m_table, m_ctx);

    m_source = new app::DataSource(this);
    m_model = new app::TableModel(this);

    auto *listPanel = new QGroupBox(this);
    auto *subjectRow = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("查询主题："), listPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(listPanel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ComboBox1->setEditText(kAllRecords);
    SpeedButton2 = toolButton("SpeedButton2", QStringLiteral("清空"), listPanel);
    subjectRow->addWidget(Label1);
    subjectRow->addWidget(ComboBox1, 1);
    subjectRow->addWidget(SpeedButton2);

    DBGrid1 = new QTableView(listPanel);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);

    auto *navigatorRow = new QHBoxLayout;
    DBNavigator1 = new app::DbNavigator(m_ctx.messages(), listPanel);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->bind(m_source);
    m_delete = toolButton("DBNavigator1_delete", QStringLiteral("删除"), listPanel);
    SpeedButton1 = toolButton("SpeedButton1", QStringLiteral("导入"), listPanel);
    navigatorRow->addWidget(DBNavigator1);
    navigatorRow->addWidget(m_delete);
    navigatorRow->addStretch();
    navigatorRow->addWidget(SpeedButton1);

    DBMemo1 = new app::DbMemo(listPanel);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->bind(m_source, QStringLiteral("查询结果"));

    auto *listLayout = new QVBoxLayout(listPanel);
    listLayout->addLayout(subjectRow);
    listLayout->addWidget(DBGrid1, 3);
    listLayout->addLayout(navigatorRow);
    listLayout->addWidget(DBMemo1, 2);

    auto *filePanel = new QGroupBox(this);
    Memo1 = new QPlainTextEdit(filePanel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *fileButtons = new QHBoxLayout;
    BitBtn7 = pushButton("BitBtn7", QStringLiteral("打开"), filePanel);
    BitBtn4 = pushButton("BitBtn4", QStringLiteral("保存"), filePanel);
    BitBtn5 = pushButton("BitBtn5", QStringLiteral("另存为"), filePanel);
    BitBtn6 = pushButton("BitBtn6", QStringLiteral("清空"), filePanel);
    BitBtn2 = pushButton("BitBtn2", QStringLiteral("关闭"), filePanel);
    for (QPushButton *b : { BitBtn7, BitBtn4, BitBtn5, BitBtn6, BitBtn2 })
        fileButtons->addWidget(b);
    auto *fileLayout = new QVBoxLayout(filePanel);
    fileLayout->addWidget(Memo1, 1);
    fileLayout->addLayout(fileButtons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(listPanel, 1);
    layout->addWidget(filePanel, 1);

    connect(ComboBox1, &QComboBox::currentTextChanged, this, [this] {
        if (!m_building)
            guard([this] { ComboBox1Change(); });
    });
    connect(
        DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
            if (current.isValid() && m_table.isOpen() && current.row() != m_table.recNo())
                guard([&] { m_table.moveTo(current.row()); });
        });
    m_source->addListener([this] {
        if (m_table.isOpen() && m_table.recNo() >= 0)
            DBGrid1->selectRow(m_table.recNo());
    });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { guard([this] { SpeedButton2Click(); }); });
    connect(m_delete, &QToolButton::clicked, this, [this] { guard([this] { deleteRecord(); }); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { guard([this] { BitBtn7Click(); }); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { guard([this] { BitBtn4Click(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guard([this] { BitBtn5Click(); }); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { guard([this] { BitBtn6Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guard([this] { BitBtn2Click(); }); });

    resize(860, 560);
    app::ScreenScaling(*this);
}

Tfrm_cxls::~Tfrm_cxls()
{
    m_source->setCursor(nullptr);
}

void Tfrm_cxls::guard(const std::function<void()> &work)
{
    app::guarded(m_ctx.messages(), work);
}

void Tfrm_cxls::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guard([this] { FormShow(); });
}

void Tfrm_cxls::FormShow()
{
    m_ctx.query.workFileOwned = false;
    if (!m_table.isOpen())
        m_table.open();
    showRecords();
    buildSubjectList();
}

void Tfrm_cxls::showRecords()
{
    m_model->setCursor(&m_table, { { "查询主题", {} }, { "查询条件", {} }, { "查询日期", {} } });
    m_source->setCursor(&m_table);
}

void Tfrm_cxls::buildSubjectList()
{
    m_building = true;
    const QString text = ComboBox1->currentText();
    ComboBox1->clear();
    m_table.setFiltered(false);
    QStringList subjects;
    m_table.first();
    subjects << QString::fromStdString(m_table.text("查询主题"));
    for (m_table.next(); !m_table.eof(); m_table.next()) {
        const QString subject = QString::fromStdString(m_table.text("查询主题"));
        if (!subjects.contains(subject))
            subjects << subject;
    }
    subjects << kAllRecords;
    ComboBox1->addItems(subjects);
    ComboBox1->setEditText(text);
    m_table.first();
    m_model->reload();
    m_source->notify();
    m_building = false;
}

void Tfrm_cxls::ComboBox1Change()
{
    const QString text = ComboBox1->currentText();
    if (text == kAllRecords) {
        m_table.setFiltered(false);
    } else {
        const std::string subject = text.toStdString();
        m_table.setFilter([subject](const store::RecordView &record) { return record.text(0) == subject; });
        m_table.setFiltered(true);
    }
    reopen();
}

void Tfrm_cxls::reopen()
{
    m_table.close();
    m_table.open();
    m_model->reload();
    m_source->notify();
}

void Tfrm_cxls::appendResult(const QString &subject, const QString &condition, const QString &result)
{
    appendHistoryRecord(m_table, subject, condition, result);
    m_model->reload();
    if (isVisible()) {
        m_table.open();
        m_model->reload();
        buildSubjectList();
        ComboBox1Change();
    }
}

void Tfrm_cxls::SpeedButton1Click()
{
    if (!m_table.isOpen())
        return;
    const QString saved = QString::fromStdString(m_table.text("查询结果"));
    if (saved.isEmpty())
        return;
    for (const QString &line : { QStringLiteral("    "), kRule, saved, kRule })
        Memo1->appendPlainText(groupLines(line));
}

void Tfrm_cxls::SpeedButton2Click()
{
    if (!m_ctx.messages().confirm(kConfirmEmpty))
        return;
    m_table.close();
    m_table.setFiltered(false);
    m_table.open();
    m_table.emptyTable();
    m_model->reload();
    m_source->notify();
    m_building = true;
    ComboBox1->clear();
    ComboBox1->setEditText(kAllRecords);
    m_building = false;
}

void Tfrm_cxls::deleteRecord()
{
    if (!m_table.isOpen() || m_table.recNo() < 0 || !m_ctx.messages().confirm(kConfirmDelete))
        return;
    m_table.remove();
    m_model->reload();
    m_source->notify();
}

QString Tfrm_cxls::startDir() const
{
    return QString::fromStdString(m_ctx.appDir().u8string());
}

void Tfrm_cxls::BitBtn7Click()
{
    const QString file = m_ctx.desktop().openFileName(this, QStringLiteral("打开"), kOpenFilter, startDir());
    if (file.isEmpty())
        return;
    QString text;
    if (!readWorkFile(file, text)) {
        m_ctx.messages().inform(QStringLiteral("无法读取文件“%1”").arg(file), windowTitle());
        return;
    }
    Memo1->setPlainText(groupLines(text));
    m_ctx.query.workFile = file;
    m_ctx.query.workFileOwned = QFileInfo::exists(file);
}

void Tfrm_cxls::BitBtn4Click()
{
    if (Memo1->toPlainText().isEmpty())
        return;
    if (m_ctx.query.workFileOwned)
        writeWorkText(m_ctx.query.workFile);
    else
        BitBtn5Click();
}

void Tfrm_cxls::BitBtn5Click()
{
    QString file = m_ctx.desktop().saveFileName(this, QStringLiteral("另存为"), kSaveFilter, startDir());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".rst");
    writeWorkText(file);
}

void Tfrm_cxls::writeWorkText(const QString &file)
{
    if (!writeWorkFile(file, Memo1->toPlainText())) {
        m_ctx.messages().inform(QStringLiteral("无法写入文件“%1”").arg(file), windowTitle());
        return;
    }
    m_ctx.query.workFile = file;
    m_ctx.query.workFileOwned = true;
}

void Tfrm_cxls::BitBtn6Click()
{
    Memo1->clear();
    m_ctx.query.workFileOwned = false;
}

void Tfrm_cxls::BitBtn2Click()
{
    m_source->setCursor(nullptr);
    m_table.close();
    m_model->reload();
    m_building = true;
    ComboBox1->clear();
    ComboBox1->setEditText(kAllRecords);
    m_building = false;
    close();
}

} // namespace holvane::query
