#pragma once

#include "app/appfixture.h"
#include "design/designcalculatorframe.h"

#include <QAbstractButton>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace holvane::design {
class CalcStage;
class ParameterGrid;
} // namespace holvane::design

namespace holvane::test {

// A design calculator window over its own copy of the packed fixture,
// driven by component names; messages are read from the recorder.
class DesignFixture : public AppFixture {
protected:
    ~DesignFixture() override;

    design::DesignCalculatorFrame &open(const char *window);
    design::DesignCalculatorFrame &frame() { return *m_frame; }

    template<typename T> T *part(const char *name) { return m_frame->findChild<T *>(QString::fromUtf8(name)); }
    void click(const char *name);
    bool enabled(const char *name);
    QString currentPage();
    design::ParameterGrid &grid(const char *name);
    // Column 0 and 1 of every row of a parameter grid.
    std::vector<std::pair<QString, QString>> rows(const char *grid);
    std::vector<QString> memoLines(const char *memo);
    void setValue(const char *grid, int row, const QString &text);
    // Rewrites an item of an item table in this test's AppDir.
    void setItem(const std::string &table, int position, const std::string &formulaField, const std::string &formula,
        const std::string &initial);
    void selectItem(const char *itemGrid, int row);
    // The records of cx_jl.db: subject, condition, date, report.
    std::vector<std::vector<std::string>> savedResults();
    QString lastMessage();

private:
    std::unique_ptr<design::DesignCalculatorFrame> m_frame;
};

} // namespace holvane::test
