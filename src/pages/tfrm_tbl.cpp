#include "pages/tfrm_tbl.h"

#include "app/appcontext.h"
#include "app/data/datasource.h"
#include "app/data/tablemodel.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/pagecode.h"
#include "app/startup.h"
#include "app/tmainform.h"
#include "pages/fittedgrid.h"
#include "pages/picktext.h"
#include "pages/rowfilter.h"
#include "query/tfrm_cxjg.h"
#include "store/archive.h"
#include "store/names.h"
#include "store/scramble.h"
#include "store/storeerror.h"

#include <QVBoxLayout>

namespace holvane::pages {

namespace fs = std::filesystem;

namespace {
const QString kFilterFailed = QStringLiteral("查询条件不对或所选的字段不支持查询");
constexpr const char *kWorkTable = "AAA";
} // namespace

TFrm_tbl::TFrm_tbl(app::AppContext &context, QWidget *host)
    : app::PageFrame(host)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("Frm_tbl"));
    m_source = new app::DataSource(this);
    m_source->setObjectName(QStringLiteral("DataSource1"));
    m_model = new app::TableModel(this);
    m_grid = new FittedGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setToolTip(QStringLiteral("双击提取数据"));
    m_grid->setModel(m_model);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    connect(m_grid, &FittedGrid::doubleClickedGrid, this,
        [this] { app::guarded(m_ctx.messages(), [this] { DBGrid1DblClick(); }); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (m_syncing || !current.isValid() || !m_table.isOpen() || current.row() == m_table.recNo())
            return;
        app::guarded(m_ctx.messages(), [&] { m_table.moveTo(current.row()); });
    });
    m_source->addListener([this] {
        if (!m_table.isOpen() || m_table.recNo() < 0)
            return;
        const int column = std::max(m_grid->currentIndex().column(), 0);
        m_syncing = true;
        m_grid->setCurrentIndex(m_model->index(m_table.recNo(), column));
        m_syncing = false;
    });
    m_table.setFilter([this](const store::RecordView &record) {
        const query::QueryCondition &c = m_ctx.query.condition;
        const FilterOutcome outcome
            = filterRecord(record, m_table.fields(), c.field, c.op.toStdString(), c.value.toStdString());
        if (outcome == FilterOutcome::Failed)
            m_filterFailed = true;
        return outcome != FilterOutcome::Reject;
    });
}

TFrm_tbl::~TFrm_tbl()
{
    m_source->setCursor(nullptr);
}

void TFrm_tbl::closeTables()
{
    m_source->setCursor(nullptr);
    m_table.close();
    m_model->setCursor(nullptr);
}

bool TFrm_tbl::restoreWorkFile(const fs::path &archive, const fs::path &dir, const std::string &extension)
{
    const std::string key = m_ctx.page.ContentKey.toStdString();
    const fs::path scrambled = dir / fs::u8path(key + extension);
    if (!store::restoreMember(archive, scrambled))
        return false;
    store::DescrambleFile(scrambled, dir / ("aaa" + extension));
    std::error_code ec;
    if (!fs::remove(scrambled, ec) || ec)
        throw store::StoreError("无法删除文件“" + scrambled.u8string() + "”：" + ec.message());
    return true;
}

void TFrm_tbl::loadPage()
{
    closeTables();
    const int type = m_ctx.page.PageType;
    if (type != app::pagecode::Table && type != app::pagecode::TableAlt)
        return;
    // A node without a key names no member: the grid stays empty, as for a
    // member the archive lacks.
    if (m_ctx.page.ContentKey.isEmpty())
        return;
    store::checkPlainName(m_ctx.page.ContentKey.toStdString(), "数据表");
    const fs::path archive = m_ctx.appDir() / "bkdata" / "mydat.dat";
    const fs::path dir = m_ctx.appDir() / "dat";
    if (!restoreWorkFile(archive, dir, ".db"))
        return;
    // Our tables keep their memo text inside; a ".mb" member is handled when
    // an archive still carries one.
    restoreWorkFile(archive, dir, ".mb");
    showTable();
}

void TFrm_tbl::showTable()
{
    m_table.setAlias(m_ctx.aliases(), "jdat", kWorkTable);
    m_table.close();
    m_table.setFiltered(false);
    m_table.open();
    m_model->setCursor(&m_table);
    m_source->setCursor(&m_table);
    m_grid->show();
    m_grid->fitColumns();
}

void TFrm_tbl::DBGrid1DblClick()
{
    if (!m_table.isOpen())
        return;
    m_ctx.page.PickedText
        = QString::fromStdString(pickText(m_table, m_ctx.page.NodeOrder, m_grid->currentIndex().column()));
    auto *result = new query::Tfrm_cxjg(m_ctx, this);
    result->setAttribute(Qt::WA_DeleteOnClose);
    result->show();
}

void TFrm_tbl::setFilterOn(bool on)
{
    if (!m_table.isOpen())
        return;
    m_filterFailed = false;
    m_table.setFiltered(on);
    m_model->reload();
    m_source->notify();
    if (m_filterFailed)
        m_ctx.messages().inform(kFilterFailed, QString::fromUtf8(app::kProgramTitle));
}

void TFrm_tbl::selectField(int field)
{
    if (!m_table.isOpen() || m_table.recNo() < 0)
        return;
    m_syncing = true;
    const QModelIndex index = m_model->index(m_table.recNo(), field);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
    m_syncing = false;
    m_grid->setFocus();
}

TFrm_tbl *shownTablePage(app::AppContext &context)
{
    auto *main = qobject_cast<app::TMainForm *>(context.windows.mainForm.data());
    if (!main || main->currentPageName() != QLatin1String("Pic_Dbgrid"))
        return nullptr;
    auto *page = qobject_cast<TFrm_tbl *>(main->tableFrame());
    return page && page->tableOpen() ? page : nullptr;
}

} // namespace holvane::pages
