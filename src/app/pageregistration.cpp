#include "app/pageregistration.h"

#include "app/appcontext.h"

namespace holvane::app {

void registerPages(AppContext &)
{
    // Frames and calculators register here as they land, for example:
    //   context.pages().registerFrame(pagecode::Table, makeTableFrame);
}

} // namespace holvane::app
