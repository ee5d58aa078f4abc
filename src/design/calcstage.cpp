#include "design/calcstage.h"

#include "app/appcontext.h"
#include "app/data/datasource.h"
#include "app/data/dbimage.h"
#include "app/data/dbmemo.h"
#include "app/data/tablemodel.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "design/enlargedpicture.h"
#include "design/fixedpicture.h"
#include "design/parametergrid.h"
#include "design/referencecards.h"
#include "query/resulthistory.h"
#include "store/table.h"

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace holvane::design {

namespace {

constexpr int kComputedRows = 20;

QLabel *header(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(22);
    return label;
}

QStringList lines(const std::string &text)
{
    QString all = QString::fromStdString(text);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return all.split(QLatin1Char('\n'));
}

// A click on a picture asks the stage to enlarge it.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject *parent, std::function<void()> clicked)
        : QObject(parent)
        , m_clicked(std::move(clicked))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_clicked();
        return false;
    }

private:
    std::function<void()> m_clicked;
};

} // namespace

struct CalcStage::Reference {
    const ReferenceConfig *config = nullptr;
    store::Table table;
    app::TableModel *model = nullptr;
    QTableView *view = nullptr;
    ReferenceCards *cards = nullptr;
};

CalcStage::CalcStage(
    app::AppContext &context, const MemberConfig &member, std::vector<const StageConfig *> stages, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_member(member)
    , m_stages(std::move(stages))
    , m_table(std::make_unique<store::Table>())
{
    setObjectName(QString::fromStdString(m_stages.front()->page));
    build();
}

CalcStage::~CalcStage()
{
    m_source->setCursor(nullptr);
}

bool CalcStage::guard(const std::function<void()> &work)
{
    return app::guarded(m_context.messages(), work);
}

void CalcStage::build()
{
    const StageConfig &first = *m_stages.front();
    m_source = new app::DataSource(this);
    m_source->setObjectName(QString::fromStdString(first.dataSource));
    m_source->setCursor(m_table.get());
    m_source->addListener([this] { itemChanged(); });
    m_source->addListener([this] { selectCurrentRow(); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *left = new QVBoxLayout;
    layout->addLayout(left, 3);

    left->addWidget(header(QString::fromStdString(first.itemHeading), this));
    m_itemGrid = new QTableView(this);
    m_itemGrid->setObjectName(QString::fromStdString(first.itemGrid));
    m_itemGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_itemGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_itemGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_itemGrid->verticalHeader()->setDefaultSectionSize(22);
    m_itemGrid->horizontalHeader()->setVisible(first.itemTitles);
    // Without titles the one column takes the grid's width.
    m_itemGrid->horizontalHeader()->setStretchLastSection(!first.itemTitles);
    m_itemModel = new app::TableModel(this);
    m_itemGrid->setModel(m_itemModel);
    connect(m_itemGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (current.isValid() && m_table->isOpen() && current.row() != m_table->recNo())
                guard([&] { m_table->moveTo(current.row()); });
        });
    left->addWidget(m_itemGrid, 2);

    for (const StageConfig *stage : m_stages)
        for (const TextMemoConfig &memo : stage->memos) {
            if (m_memos.count(memo.name))
                continue;
            auto *region = new QWidget(this);
            auto *box = new QVBoxLayout(region);
            box->setContentsMargins(0, 0, 0, 0);
            box->addWidget(header(QString::fromStdString(memo.heading), region));
            auto *view = new app::DbMemo(region);
            view->setObjectName(QString::fromStdString(memo.name));
            box->addWidget(view);
            left->addWidget(region, 1);
            m_memos[memo.name] = view;
        }

    m_initialMemo = new app::DbMemo(this);
    m_initialMemo->setObjectName(QString::fromStdString(first.initialMemo));
    m_initialMemo->hide();

    auto *gridRow = new QHBoxLayout;
    m_grid = new ParameterGrid(this);
    m_grid->setObjectName(QString::fromStdString(first.grid));
    m_grid->setColumnWidth(0, first.gridWidth0);
    m_grid->setRow0Font(m_member.positioningRow0Font);
    if (m_member.characterFilter)
        m_grid->setCharacterFilter([this] { m_context.messages().inform(text("请输入数字！"), text("提示")); });

    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_grid, 1);
    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const std::string &name, const char *caption, void (CalcStage::*handler)()) {
        auto *button = new QPushButton(text(caption), this);
        button->setObjectName(QString::fromStdString(name));
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        buttons->addWidget(button);
        return button;
    };
    addButton(first.compute, "计算", &CalcStage::compute);
    addButton(first.clear, "重新输入", &CalcStage::clearValues);
    m_save = addButton(first.save, "保存", &CalcStage::save);
    m_save->setEnabled(false);
    auto *backButton = new QPushButton(text("返回"), this);
    backButton->setObjectName(QString::fromStdString(first.back));
    connect(backButton, &QPushButton::clicked, this, [this] {
        if (back)
            back();
    });
    buttons->addWidget(backButton);
    gridColumn->addLayout(buttons);
    gridRow->addLayout(gridColumn, 1);
    if (QWidget *references = buildReferences())
        gridRow->addWidget(references, 1);
    left->addLayout(gridRow, 4);
    // Record cards take the width of the page under the parameter grid.
    for (auto &reference : m_references)
        if (reference->cards)
            left->addWidget(reference->cards, 3);

    left->addWidget(header(text("计算结果"), this));
    m_result = new QPlainTextEdit(this);
    m_result->setObjectName(QString::fromStdString(first.resultMemo));
    m_result->setReadOnly(true);
    m_result->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_result->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    left->addWidget(m_result, 3);

    layout->addWidget(buildPictures(), 2);
}

QWidget *CalcStage::buildPictures()
{
    auto *column = new QWidget(this);
    auto *box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    for (const StageConfig *stage : m_stages)
        for (const PictureConfig &picture : stage->pictures) {
            if (m_pictures.count(picture.name))
                continue;
            auto *region = new QWidget(column);
            auto *regionBox = new QVBoxLayout(region);
            regionBox->setContentsMargins(0, 0, 0, 0);
            if (!picture.heading.empty())
                regionBox->addWidget(header(QString::fromStdString(picture.heading), region));
            QLabel *image = picture.field.empty() ? new QLabel(region) : new app::DbImage(region);
            if (picture.field.empty())
                image->setPixmap(fixedPicture(m_member.window, picture.name));
            image->setObjectName(QString::fromStdString(picture.name));
            image->setAlignment(Qt::AlignCenter);
            image->setToolTip(text("单击放大"));
            const QString name = image->objectName();
            image->installEventFilter(new ClickFilter(image, [this, name] { enlarge(name); }));
            auto *scroll = new QScrollArea(region);
            scroll->setWidget(image);
            scroll->setWidgetResizable(true);
            scroll->setAlignment(Qt::AlignCenter);
            regionBox->addWidget(scroll);
            box->addWidget(region, 1);
            m_pictures[picture.name] = image;
            m_pictureRegions[picture.name] = region;
        }
    return column;
}

QWidget *CalcStage::buildReferences()
{
    for (const StageConfig *stage : m_stages)
        for (const ReferenceConfig &config : stage->references) {
            auto reference = std::make_unique<Reference>();
            reference->config = &config;
            if (!config.cards.empty()) {
                reference->cards = new ReferenceCards(config.cards, config.cardsInView, this);
                reference->cards->setObjectName(QString::fromStdString(config.grid));
            }
            m_references.push_back(std::move(reference));
        }
    if (std::all_of(m_references.begin(), m_references.end(), [](const auto &r) { return r->cards != nullptr; }))
        return nullptr;
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    for (auto &reference : m_references) {
        if (reference->cards)
            continue;
        reference->view = new QTableView(m_tabs);
        reference->view->setObjectName(QString::fromStdString(reference->config->grid));
        reference->view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        reference->model = new app::TableModel(reference->view);
        reference->view->setModel(reference->model);
        Reference *raw = reference.get();
        connect(reference->view, &QTableView::clicked, this,
            [this, raw](const QModelIndex &index) { guard([&] { pick(*raw->config, index.row(), index.column()); }); });
        m_tabs->addTab(reference->view, QString::fromStdString(reference->config->tab));
    }
    m_tabs->setCurrentIndex(m_stages.front()->firstTab);
    const std::string &heading = m_stages.front()->referenceHeading;
    if (heading.empty())
        return m_tabs;
    auto *region = new QWidget(this);
    auto *box = new QVBoxLayout(region);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(header(QString::fromStdString(heading), region));
    box->addWidget(m_tabs);
    return region;
}

void CalcStage::openStage(const StageConfig &stage, const std::string &table, const std::string &choice)
{
    m_stage = &stage;
    m_choice = choice;
    showParts();
    m_table->close();
    m_table->setAlias(m_context.aliases(), "jsjdat", table.empty() ? stage.table : table);
    m_table->open();
    std::vector<app::TableModel::Column> columns;
    for (const ColumnConfig &column : stage.columns)
        columns.push_back({ column.field, {} });
    m_itemModel->setCursor(m_table.get(), columns);
    m_itemModel->reload();
    for (size_t i = 0; i < stage.columns.size(); ++i)
        if (stage.columns[i].width > 0)
            m_itemGrid->setColumnWidth(static_cast<int>(i), stage.columns[i].width);
    selectCurrentRow();
    for (const PictureConfig &picture : stage.pictures)
        if (!picture.field.empty())
            static_cast<app::DbImage *>(m_pictures.at(picture.name))
                ->bind(m_source, QString::fromStdString(picture.field));
    for (const TextMemoConfig &memo : stage.memos)
        m_memos.at(memo.name)->bind(m_source, QString::fromStdString(memo.field));
    m_initialMemo->bind(m_source, QStringLiteral("初始值"));
    for (auto &reference : m_references) {
        const bool own = std::any_of(stage.references.begin(), stage.references.end(),
            [&](const ReferenceConfig &c) { return &c == reference->config; });
        if (!own)
            continue;
        reference->table.close();
        reference->table.setAlias(m_context.aliases(), "jsjdat", reference->config->table);
        reference->table.open();
        if (reference->cards) {
            reference->cards->load(reference->table);
            continue;
        }
        reference->model->setCursor(&reference->table);
        reference->model->reload();
    }
    if (m_tabs && !stage.references.empty())
        m_tabs->setCurrentIndex(stage.firstTab);
    fillValues();
}

void CalcStage::showParts()
{
    for (auto &[name, region] : m_pictureRegions) {
        bool shown = false;
        for (const PictureConfig &picture : m_stage->pictures)
            shown = shown || picture.name == name;
        for (const ChoiceConfig &choice : m_stage->choices)
            if (choice.picture == name)
                shown = shown && choice.caption == m_choice;
        region->setVisible(shown);
    }
    bool anyTab = false;
    for (auto &reference : m_references) {
        bool own = false;
        for (const ReferenceConfig &config : m_stage->references)
            own = own || &config == reference->config;
        if (reference->cards) {
            reference->cards->setVisible(own);
            continue;
        }
        anyTab = anyTab || own;
        m_tabs->setTabVisible(m_tabs->indexOf(reference->view), own);
    }
    if (m_tabs)
        m_tabs->setVisible(anyTab);
}

void CalcStage::closeTables()
{
    m_itemModel->setCursor(nullptr);
    m_table->close();
    for (auto &reference : m_references) {
        if (reference->cards)
            reference->cards->clear();
        else
            reference->model->setCursor(nullptr);
        reference->table.close();
    }
}

void CalcStage::selectCurrentRow()
{
    if (!m_table->isOpen() || m_table->recNo() < 0 || m_itemModel->rowCount() == 0)
        return;
    const QModelIndex index = m_itemModel->index(m_table->recNo(), 0);
    if (m_itemGrid->currentIndex().row() != index.row())
        m_itemGrid->setCurrentIndex(index);
}

// The initial values of the current item, line i to parameter row i + 1.
void CalcStage::fillValues()
{
    if (!m_table->isOpen())
        return;
    const QStringList initial = lines(m_table->text("初始值"));
    for (int row = 1; row < m_grid->rowCount(); ++row)
        m_grid->setCellText(1, row, row - 1 < initial.size() ? initial[row - 1] : QString());
}

void CalcStage::itemChanged()
{
    if (!m_stage || !m_table->isOpen())
        return;
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        m_grid->setCellText(0, row, QString());
        m_grid->setCellText(1, row, QString());
    }
    const std::string formulaText = m_stage->formulaField.empty() ? m_table->text(m_stage->formulaPosition)
                                                                  : m_table->text(m_stage->formulaField);
    QLabel *formulaPicture = nullptr;
    for (const PictureConfig &picture : m_stage->pictures)
        if (picture.field == "公式图")
            formulaPicture = m_pictures.at(picture.name);
    if (formulaText.empty() && !m_stage->emptyFormulaMessage.empty()) {
        if (m_stage->emptyFormulaDisablesPicture && formulaPicture)
            formulaPicture->setEnabled(false);
        m_context.messages().inform(QString::fromStdString(m_stage->emptyFormulaMessage), text("提示"));
        return;
    }
    if (formulaPicture)
        formulaPicture->setEnabled(true);
    const auto [leftPart, rightPart] = splitFormula(formulaText);
    m_grid->setCellText(0, 0, QString::fromStdString(m_member.formulaLabel + leftPart));
    m_grid->setCellText(1, 0, QString::fromStdString(rightPart));
    formula::FormulaEvaluator &evaluator = m_context.evaluator();
    evaluator.Tokenize(rightPart);
    const std::vector<std::string> names = evaluator.variableNames();
    m_grid->setRowCount(static_cast<int>(names.size()) + 1);
    const QStringList initial = lines(m_table->text("初始值"));
    for (int k = 1; k <= static_cast<int>(names.size()); ++k) {
        m_grid->setCellText(0, k, QStringLiteral("参数:") + QString::fromStdString(names[static_cast<size_t>(k - 1)]));
        m_grid->setCellText(1, k, k - 1 < initial.size() ? initial[k - 1] : QString());
    }
    // Column 0 keeps its width unless a label would be cut.
    m_grid->resizeColumnToContents(0);
    m_grid->setColumnWidth(0, std::max(m_grid->columnWidth(0) + 4, m_stage->gridWidth0));
    if (!names.empty())
        m_grid->setCurrentCell(1, 1);
}

void CalcStage::compute()
{
    if (!m_stage)
        return;
    bool done = false;
    try {
        done = computeSteps();
    } catch (...) {
        done = false;
    }
    if (!done)
        m_context.messages().inform(QString::fromStdString(m_member.failureMessage), text("提示"));
}

// Returns false only for a failure that the catch-all message reports; a
// check that stopped with its own message returns true.
bool CalcStage::computeSteps()
{
    int counted = 0;
    const int scanned = std::min(kComputedRows, m_grid->rowCount());
    for (int row = 0; row < scanned; ++row) {
        if (m_grid->cellText(0, row).isEmpty())
            continue;
        if (m_member.completenessCheck && m_grid->cellText(1, row).isEmpty()) {
            m_context.messages().inform(text("请将数据输全！"), text("提示"));
            return true;
        }
        ++counted;
    }
    if (counted <= 1) {
        m_context.messages().inform(text("没有参数！"), text("提示"));
        return true;
    }
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < counted; ++row)
        rows.emplace_back(m_grid->cellText(0, row).toStdString(), m_grid->cellText(1, row).toStdString());
    formula::FormulaEvaluator &evaluator = m_context.evaluator();
    evaluator.Tokenize(rows.front().second);
    if (!evaluator.BindVariables(GridValues(*m_grid)))
        return true;
    std::string resultText;
    evaluator.Evaluate(resultText);
    m_lastResult = truncateResult(resultText);
    const auto value = [this](const std::string &field) { return m_table->text(field); };
    const std::vector<std::string> report
        = DesignReport(m_member, task ? task() : DesignTask {}, categoryLines(m_stage->category, value, m_choice), rows,
            m_lastResult, QDate::currentDate().toString(Qt::ISODate).toStdString());
    m_result->clear();
    for (const std::string &line : report)
        m_result->appendPlainText(QString::fromStdString(line));
    m_save->setEnabled(true);
    return true;
}

void CalcStage::clearValues()
{
    for (int row = 1; row < m_grid->rowCount(); ++row)
        m_grid->setCellText(1, row, QString());
    if (!m_member.clearKeepsMemo)
        m_result->clear();
}

void CalcStage::save()
{
    if (!m_stage)
        return;
    guard([this] {
        query::saveResult(m_context, QString::fromStdString(m_member.caption),
            QString::fromStdString(m_table->text(m_stage->conditionPosition)), m_result->toPlainText());
        m_context.messages().inform(text("结果已保存!"), text("提示"));
        m_save->setEnabled(false);
    });
}

void CalcStage::enlarge(const QString &pictureName)
{
    if (!m_stage)
        return;
    for (const PictureConfig &picture : m_stage->pictures) {
        if (QString::fromStdString(picture.name) != pictureName)
            continue;
        QLabel *image = m_pictures.at(picture.name);
        if (!picture.field.empty() && (!image->isEnabled() || m_table->value(picture.field).isNull()))
            return;
        showEnlarged(m_context, window(), image->pixmap(), QString::fromStdString(picture.caption));
        return;
    }
}

void CalcStage::pick(const ReferenceConfig &reference, int row, int column)
{
    for (auto &candidate : m_references) {
        if (candidate->config != &reference || !candidate->model || !candidate->table.isOpen())
            continue;
        candidate->table.moveTo(row);
        const std::string value = candidate->table.text(candidate->model->columnField(column));
        if (reference.slotCount) {
            m_result->appendPlainText(text("i(槽数)为："));
            m_result->appendPlainText(QString::fromStdString(value));
            return;
        }
        if (reference.pickerLabel.empty())
            return;
        if (reference.checkEmpty && value.empty()) {
            m_context.messages().inform(text("没有这类数值!"), text("提示"));
            return;
        }
        const QString label = QString::fromStdString(reference.pickerLabel);
        for (int r = 1; r < m_grid->rowCount(); ++r)
            if (m_grid->cellText(0, r) == label)
                m_grid->setCellText(1, r, QString::fromStdString(value));
    }
}

} // namespace holvane::design
