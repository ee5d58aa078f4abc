#pragma once

#include <memory>

class QWidget;

namespace holvane::design {

class DesignCalculatorFrame;

// Member behaviour that configuration does not express, called by the frame
// at the few points where members differ. The defaults are the frame's own
// flow; a member's hook (MemberConfig::hook) overrides what it changes.
class FrameHook {
public:
    virtual ~FrameHook() = default;

    // After "确定" has enabled the item buttons.
    virtual void confirmed() { }
    // "重新输入" of the task page: false leaves the task fields alone.
    virtual bool resetsTask() const { return true; }
    // A choice panel was shown under its item button; false: the stage waits
    // for a choice instead of reopening the one made before.
    virtual bool choicesShown(QWidget *panel)
    {
        (void)panel;
        return true;
    }
    // After a stage closed back to the task page.
    virtual void stageClosed() { }
};

std::unique_ptr<FrameHook> makeFrameHook(DesignCalculatorFrame &frame);

} // namespace holvane::design
