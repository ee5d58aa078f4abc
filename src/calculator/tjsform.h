#pragma once

#include "calculator/keypad.h"
#include "store/table.h"

#include <QImage>
#include <QMainWindow>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTreeView;

namespace holvane::app {
class AppContext;
class DataSource;
class DbImage;
class TableModel;
class TreeModel;
} // namespace holvane::app

namespace holvane::calculator {

class CalculatorModule;
class ParameterGrid;
class TFrmreport;

// The engineering calculator "工程计算器": the formula library 计算器/data/cygs.DB
// as a tree and an index, the chosen formula's picture, diagram and parameter
// grid, "计算" and "保存" into the history 计算结果.DB, and the pocket keypad.
// Several can be open at once; they share the module's keypad registers and
// evaluator, and each applies its own 角度/弧度 choice whenever it computes.
class Tjsform : public QMainWindow {
    Q_OBJECT
public:
    Tjsform(app::AppContext &context, CalculatorModule &module, QWidget *parent = nullptr);
    ~Tjsform() override;

    store::Table &formulaTable() { return m_formulas; }
    store::Table &historyTable() { return m_history; }
    bool CalcTreeFollow = false;

    void ShowFormula(bool forMove);
    void TeThemeSpeedButton21Click(); // 计算
    void TeThemeSpeedButton17Click(); // 保存
    void CustomItem9Click(); // the tree's 删除
    void CustomItem12Click(); // 清空结果
    void CustomItem5Click(); // 结果输出
    void openFormulaEntry(); // 公式录入
    void pressKey(Keypad::Key key);
    // Reopens the formula table as the tab shows it and rebuilds the views.
    void reloadFormulas();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    QWidget *buildLibraryColumn();
    QWidget *buildFormulaColumn();
    QWidget *buildResultColumn();
    QWidget *buildKeypad();
    void tabChanged(int index);
    void keywordChanged(const QString &text);
    void applyAngleUnit();
    bool CheckValueRelations();
    std::string UnscrambleFormula() const;
    void UnscramblePicture();
    void setPicture(const QImage &picture);
    void zoom(const QString &caption, const QImage &picture);
    TFrmreport &report();
    void guard(const std::function<void()> &work);

    app::AppContext &m_ctx;
    CalculatorModule &m_module;
    Keypad m_keypad;
    store::Table m_formulas;
    store::Table m_history;
    app::DataSource *m_source;
    app::TreeModel *m_treeModel;
    app::TableModel *m_indexModel;
    QString m_resultName;
    QImage m_picture;
    bool m_following = true;
    TFrmreport *m_ownReport = nullptr;

    QTabWidget *PageControl1;
    QTreeView *DCInfoTree1;
    QLineEdit *Edit1;
    QTableView *DBGrid1;
    QLabel *Image2;
    app::DbImage *DBImage2;
    ParameterGrid *TeThemeStringGrid1;
    QLabel *TeThemeLabel1;
    QLineEdit *TeThemeEdit1;
    QPushButton *TeThemeSpeedButton17;
    QLineEdit *TeThemeEdit2;
    QRadioButton *m_degrees;
};

} // namespace holvane::calculator
