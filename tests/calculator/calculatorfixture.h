#pragma once

#include "app/appfixture.h"
#include "calculator/calculatormodule.h"
#include "calculator/parametergrid.h"
#include "calculator/tjsform.h"

#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace holvane::test {

// A calculator window over its own copy of the packed fixture library.
class CalculatorFixture : public AppFixture {
protected:
    CalculatorFixture();
    ~CalculatorFixture() override;

    calculator::Tjsform &calc();
    // Opens another calculator window sharing the module.
    calculator::Tjsform &openAnother();
    calculator::ParameterGrid &grid(calculator::Tjsform *w = nullptr);
    // Selects the formula of this CID in the tree, expanding its category
    // first, as a user would.
    void selectFormula(long long cid, calculator::Tjsform *w = nullptr);
    void click(const char *button, calculator::Tjsform *w = nullptr);
    QString text(const char *lineEdit, calculator::Tjsform *w = nullptr);
    void setValues(const std::vector<QString> &values, calculator::Tjsform *w = nullptr);
    // Appends a user formula (PID 10) straight into the library file.
    void addUserFormula(long long cid, const std::string &name, const std::string &formula);
    // The CIDs of the user formulas (PID 10), in table order.
    std::vector<long long> userFormulaIds();
    std::vector<std::vector<std::string>> historyRows();

    calculator::CalculatorModule module { messages };

private:
    std::vector<std::unique_ptr<calculator::Tjsform>> m_windows;
};

} // namespace holvane::test
