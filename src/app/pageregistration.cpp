#include "app/pageregistration.h"

#include "app/appcontext.h"
#include "app/pagecode.h"
#include "calculator/calculatorregistration.h"
#include "design/designregistration.h"
#include "pages/tfram_curve.h"
#include "pages/tfrm_1.h"
#include "pages/tfrm_tbl.h"

namespace holvane::app {

void registerPages(AppContext &context)
{
    calculator::registerCalculatorWindow(context);
    for (int code : {pagecode::Table, pagecode::TableAlt})
        context.pages().registerFrame(code, [](AppContext &ctx, QWidget *host) { return new pages::TFrm_tbl(ctx, host); });
    for (int code : {pagecode::Cards, pagecode::CardsAlt})
        context.pages().registerFrame(code, [](AppContext &ctx, QWidget *host) { return new pages::TFrm_1(ctx, host); });
    context.pages().registerFrame(pagecode::Curve, [](AppContext &ctx, QWidget *host) { return new pages::TFram_curve(ctx, host); });
    design::registerDesignCalculators(context.pages());
}

} // namespace holvane::app
