#include "design/designregistration.h"

#include "app/pageregistry.h"
#include "design/designcalculatorframe.h"
#include "design/members.h"

namespace holvane::design {

void registerDesignCalculators(app::PageRegistry &pages)
{
    for (const MemberConfig &member : designMembers())
        pages.registerCalculator(member.window, [&member](app::AppContext &context, QWidget *owner) -> QWidget * {
            return new DesignCalculatorFrame(context, member, owner);
        });
}

} // namespace holvane::design
