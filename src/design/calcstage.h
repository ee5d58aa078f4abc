#pragma once

#include "design/calcconfig.h"
#include "design/designreport.h"

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QTableView;
class QPushButton;
class QTabWidget;

namespace holvane::store {
class Table;
}

namespace holvane::app {
class AppContext;
class DataSource;
class DbMemo;
class TableModel;
} // namespace holvane::app

namespace holvane::design {

class ParameterGrid;

// One page of a calculator's notebook and what it computes: the item grid
// over its CalcItemTable, the ParameterGrid, the four stage buttons, the
// pictures, memos and reference tables, and the result memo. Stages that
// share a page share one CalcStage, which shows the open stage's parts.
class CalcStage : public QWidget {
    Q_OBJECT
public:
    CalcStage(
        app::AppContext &context, const MemberConfig &member, std::vector<const StageConfig *> stages, QWidget *parent);
    ~CalcStage() override;

    // Opens the item table (and the reference tables) of `stage`; `table`
    // overrides the configured one (a chosen table), `choice` is its caption.
    void openStage(const StageConfig &stage, const std::string &table = {}, const std::string &choice = {});
    void closeTables();
    const StageConfig *stage() const { return m_stage; }

    // The task fields the report takes, read when "计算" is pressed.
    std::function<DesignTask()> task;
    // "返回" of the stage.
    std::function<void()> back;

    // The handlers.
    void itemChanged();
    void compute();
    void clearValues();
    void save();
    void enlarge(const QString &pictureName);
    void pick(const ReferenceConfig &reference, int row, int column);

    ParameterGrid *grid() const { return m_grid; }
    QPlainTextEdit *resultMemo() const { return m_result; }
    store::Table &itemTable() { return *m_table; }

private:
    struct Reference;

    void build();
    QWidget *buildPictures();
    QWidget *buildReferences();
    void fillValues();
    void showParts();
    void selectCurrentRow();
    bool computeSteps();
    bool guard(const std::function<void()> &work);
    QString text(const char *utf8) const { return QString::fromUtf8(utf8); }

    app::AppContext &m_context;
    const MemberConfig &m_member;
    std::vector<const StageConfig *> m_stages;
    const StageConfig *m_stage = nullptr;
    std::string m_choice;
    std::string m_lastResult;

    std::unique_ptr<store::Table> m_table;
    app::DataSource *m_source = nullptr;
    app::TableModel *m_itemModel = nullptr;
    QTableView *m_itemGrid = nullptr;
    app::DbMemo *m_initialMemo = nullptr;
    ParameterGrid *m_grid = nullptr;
    QPlainTextEdit *m_result = nullptr;
    QPushButton *m_save = nullptr;
    QTabWidget *m_tabs = nullptr;
    std::map<std::string, QLabel *> m_pictures;
    std::map<std::string, QWidget *> m_pictureRegions;
    std::map<std::string, app::DbMemo *> m_memos;
    std::vector<std::unique_ptr<Reference>> m_references;
};

} // namespace holvane::design
