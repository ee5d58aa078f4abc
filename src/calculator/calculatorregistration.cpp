#include "calculator/calculatorregistration.h"

#include "app/appcontext.h"
#include "app/pagecode.h"
#include "calculator/calculatormodule.h"
#include "calculator/tfrmreport.h"
#include "calculator/tfrmzoom2.h"
#include "calculator/tjsform.h"

namespace holvane::calculator {

void registerCalculatorWindow(app::AppContext &context)
{
    auto module = std::make_shared<CalculatorModule>(context.messages());
    context.pages().registerWindow(app::pagecode::EngineeringCalculator,
        [module](app::AppContext &ctx, QWidget *owner) -> QWidget * { return new Tjsform(ctx, *module, owner); });
}

void createCalculatorWindows(app::AppContext &context, QWidget &mainForm)
{
    context.windows.zoom = new TFrmZoom2(&mainForm);
    context.windows.report = new TFrmreport(context, &mainForm);
}

} // namespace holvane::calculator
