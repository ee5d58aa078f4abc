#include "calculator/calculatorfixture.h"

#include "app/data/treemodel.h"
#include "store/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeView>

namespace holvane::test {

CalculatorFixture::CalculatorFixture() = default;

CalculatorFixture::~CalculatorFixture()
{
    for (auto &w : m_windows)
        w->close();
    m_windows.clear();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

calculator::Tjsform &CalculatorFixture::calc()
{
    if (m_windows.empty())
        openAnother();
    return *m_windows.front();
}

calculator::Tjsform &CalculatorFixture::openAnother()
{
    m_windows.push_back(std::make_unique<calculator::Tjsform>(context(), module));
    m_windows.back()->show();
    QApplication::processEvents();
    return *m_windows.back();
}

calculator::ParameterGrid &CalculatorFixture::grid(calculator::Tjsform *w)
{
    return *(w ? w : &calc())->findChild<calculator::ParameterGrid *>(QStringLiteral("TeThemeStringGrid1"));
}

void CalculatorFixture::selectFormula(long long cid, calculator::Tjsform *w)
{
    calculator::Tjsform &window = w ? *w : calc();
    auto *tree = window.findChild<QTreeView *>(QStringLiteral("DCInfoTree1"));
    auto *model = static_cast<app::TreeModel *>(tree->model());
    store::Table &table = window.formulaTable();
    const int field = table.fieldIndex("CID");
    for (int i = 0; i < table.recordCount(); ++i)
        if (table.valueAt(i, field) == store::Value(static_cast<std::int64_t>(cid))) {
            const QModelIndex node = model->indexOfPosition(i);
            if (node.parent().isValid())
                tree->expand(node.parent());
            tree->setCurrentIndex(node);
            QApplication::processEvents();
            return;
        }
    ADD_FAILURE() << "no formula " << cid;
}

void CalculatorFixture::click(const char *button, calculator::Tjsform *w)
{
    (w ? w : &calc())->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

QString CalculatorFixture::text(const char *lineEdit, calculator::Tjsform *w)
{
    return (w ? w : &calc())->findChild<QLineEdit *>(QString::fromLatin1(lineEdit))->text();
}

void CalculatorFixture::setValues(const std::vector<QString> &values, calculator::Tjsform *w)
{
    for (size_t i = 0; i < values.size(); ++i)
        grid(w).setCellText(1, static_cast<int>(i) + 1, values[i]);
}

void CalculatorFixture::addUserFormula(long long cid, const std::string &name, const std::string &formula)
{
    store::Table table;
    table.setPath(appDir / "计算器" / "data", "cygs.DB");
    table.open();
    table.append();
    table.setValue("CID", store::Value(static_cast<std::int64_t>(cid)));
    table.setValue("PID", store::Value(10));
    table.setText("公式名", name);
    table.setText("Gongshi", formula);
    table.post();
    table.close();
}

std::vector<long long> CalculatorFixture::userFormulaIds()
{
    store::Table table;
    table.setPath(appDir / "计算器" / "data", "cygs.DB");
    table.open();
    std::vector<long long> ids;
    for (table.first(); !table.eof(); table.next())
        if (table.value("PID") == store::Value(10))
            ids.push_back(table.value("CID").integer());
    table.close();
    return ids;
}

std::vector<std::vector<std::string>> CalculatorFixture::historyRows()
{
    store::Table table;
    table.setPath(appDir / "计算器" / "data", "计算结果.DB");
    table.open();
    std::vector<std::vector<std::string>> rows;
    for (table.first(); !table.eof(); table.next())
        rows.push_back({ table.text("项目"), table.text("数值"), table.text("单位") });
    table.close();
    return rows;
}

} // namespace holvane::test
