#pragma once

#include "store/table.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QPrinter;

namespace holvane::app {
class AppContext;
}

namespace holvane::calculator {

// The report of the calculator's history 计算结果.DB, "结果报表": an A4 page
// layout with a page header, the title, column headers, one line per row of
// the table and a footer, shown in a print preview. Lives for the whole run
// and shares the history table with the open calculator windows.
class TFrmreport : public QWidget {
    Q_OBJECT
public:
    explicit TFrmreport(app::AppContext &context, QWidget *parent = nullptr);

    // The history table's rows as they stand now: 项目, 数值, 单位.
    std::vector<std::array<std::string, 3>> rows();
    // Lays the report out on the printer (A4 portrait, 10 mm margins).
    void printReport(QPrinter &printer);
    // Shows the print preview modally; printing is done from it.
    void preview(QWidget *parent);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    app::AppContext &m_ctx;
    store::Table m_history;
};

// Sets the report's page: A4 portrait with 10 mm margins.
void setReportPage(QPrinter &printer);

} // namespace holvane::calculator
