#pragma once

#include "design/framehook.h"

class QPushButton;

namespace holvane::design {

// The stage flow of the positioning windows with two item buttons
// (TTSBM_Form, TZH_Form). "确定" hands the window over to the item buttons
// and stays disabled until a stage closes again. The gear menu of
// TTSBM_Form opens with every gear button released, so its stage page waits
// for a gear to be chosen. TZH_Form's task page has no reset.
class PositioningFlow : public FrameHook {
public:
    explicit PositioningFlow(DesignCalculatorFrame &frame);

    void confirmed() override;
    bool resetsTask() const override;
    bool choicesShown(QWidget *panel) override;
    void stageClosed() override;

private:
    QPushButton *confirmButton() const;

    DesignCalculatorFrame &m_frame;
};

} // namespace holvane::design
