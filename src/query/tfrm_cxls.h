#pragma once

#include "store/table.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace holvane::app {
class AppContext;
class DataSource;
class DbMemo;
class DbNavigator;
class TableModel;
} // namespace holvane::app

namespace holvane::query {

// The result history window (form frm_cxls, "结果查询"): the saved picks and
// design results of cx_jl.db by subject, and a working text collected from
// them that can be saved to and read from files.
class Tfrm_cxls : public QWidget {
    Q_OBJECT
public:
    Tfrm_cxls(app::AppContext &context, QWidget *owner);
    ~Tfrm_cxls() override;

    // Appends a design result (or a pick) to cx_jl.db through T_cx; a window
    // in view then shows it. Store errors propagate.
    void appendResult(const QString &subject, const QString &condition, const QString &result);

    store::Table &T_cx() { return m_table; }

    void ComboBox1Change();
    void SpeedButton1Click(); // 导入
    void SpeedButton2Click(); // 清空 (the history table)
    void deleteRecord();
    void BitBtn7Click(); // 打开
    void BitBtn4Click(); // 保存
    void BitBtn5Click(); // 另存为
    void BitBtn6Click(); // 清空 (the working text)
    void BitBtn2Click(); // 关闭

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void buildSubjectList();
    void reopen();
    void showRecords();
    void writeWorkText(const QString &file);
    // Both file dialogs start in the program's folder.
    QString startDir() const;
    void guard(const std::function<void()> &work);

    app::AppContext &m_ctx;
    store::Table m_table;
    app::DataSource *m_source;
    app::TableModel *m_model;
    QTableView *DBGrid1;
    QLabel *Label1;
    QComboBox *ComboBox1;
    QToolButton *SpeedButton2;
    app::DbNavigator *DBNavigator1;
    QToolButton *m_delete;
    app::DbMemo *DBMemo1;
    QToolButton *SpeedButton1;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn7;
    QPushButton *BitBtn4;
    QPushButton *BitBtn5;
    QPushButton *BitBtn6;
    QPushButton *BitBtn2;
    bool m_building = false;
};

} // namespace holvane::query
