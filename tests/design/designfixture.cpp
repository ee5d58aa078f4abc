#include "designfixture.h"

#include "app/startup.h"
#include "design/members.h"
#include "design/parametergrid.h"
#include "store/table.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableView>

namespace holvane::test {

DesignFixture::~DesignFixture()
{
    m_frame.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

design::DesignCalculatorFrame &DesignFixture::open(const char *window)
{
    const design::MemberConfig *member = design::memberByWindow(window);
    EXPECT_NE(member, nullptr) << window;
    // The main window registers the aliases when it is created.
    app::registerAliases(context().aliases(), appDir);
    m_frame = std::make_unique<design::DesignCalculatorFrame>(context(), *member);
    m_frame->show();
    QApplication::processEvents();
    return *m_frame;
}

void DesignFixture::click(const char *name)
{
    auto *button = part<QAbstractButton>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
    QApplication::processEvents();
}

bool DesignFixture::enabled(const char *name)
{
    auto *widget = part<QWidget>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget && widget->isEnabled();
}

QString DesignFixture::currentPage()
{
    auto *notebook = part<QStackedWidget>(m_frame->member().notebook.c_str());
    return notebook->currentWidget()->objectName();
}

design::ParameterGrid &DesignFixture::grid(const char *name)
{
    auto *g = part<design::ParameterGrid>(name);
    EXPECT_NE(g, nullptr) << name;
    return *g;
}

std::vector<std::pair<QString, QString>> DesignFixture::rows(const char *name)
{
    design::ParameterGrid &g = grid(name);
    std::vector<std::pair<QString, QString>> all;
    for (int row = 0; row < g.rowCount(); ++row)
        all.emplace_back(g.cellText(0, row), g.cellText(1, row));
    return all;
}

std::vector<QString> DesignFixture::memoLines(const char *memo)
{
    const QString text = part<QPlainTextEdit>(memo)->toPlainText();
    if (text.isEmpty())
        return {};
    const QStringList lines = text.split(QLatin1Char('\n'));
    return { lines.begin(), lines.end() };
}

void DesignFixture::setValue(const char *name, int row, const QString &text)
{
    grid(name).setCellText(1, row, text);
}

void DesignFixture::setItem(const std::string &tableName, int position, const std::string &formulaField,
    const std::string &formula, const std::string &initial)
{
    store::Table table;
    table.setPath(appDir / "sjdata", tableName);
    table.open();
    table.moveTo(position);
    table.edit();
    table.setText(formulaField, formula);
    table.setText("初始值", initial);
    table.post();
    table.close();
}

void DesignFixture::selectItem(const char *itemGrid, int row)
{
    auto *view = part<QTableView>(itemGrid);
    view->setCurrentIndex(view->model()->index(row, 0));
    QApplication::processEvents();
}

std::vector<std::vector<std::string>> DesignFixture::savedResults()
{
    store::Table table;
    table.setPath(appDir / "database", "cx_jl.db");
    table.open();
    std::vector<std::vector<std::string>> records;
    for (table.first(); !table.eof(); table.next())
        records.push_back(
            { table.text("查询主题"), table.text("查询条件"), table.text("查询日期"), table.text("查询结果") });
    table.close();
    return records;
}

QString DesignFixture::lastMessage()
{
    const auto texts = messageTexts();
    return texts.empty() ? QString() : texts.back();
}

} // namespace holvane::test
