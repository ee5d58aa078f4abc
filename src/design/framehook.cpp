#include "design/framehook.h"

#include "design/designcalculatorframe.h"
#include "design/positioningflow.h"

namespace holvane::design {

std::unique_ptr<FrameHook> makeFrameHook(DesignCalculatorFrame &frame)
{
    switch (frame.member().hook) {
    case MemberHook::GearMenu:
    case MemberHook::PinStages:
        return std::make_unique<PositioningFlow>(frame);
    default:
        return std::make_unique<FrameHook>();
    }
}

} // namespace holvane::design
