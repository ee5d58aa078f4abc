#include "design/positioningflow.h"

#include "design/designcalculatorframe.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLayout>
#include <QPushButton>

namespace holvane::design {

namespace {

// The gear buttons stand 1 pixel in from each side of their panel.
constexpr int kChoiceInset = 2;

} // namespace

PositioningFlow::PositioningFlow(DesignCalculatorFrame &frame)
    : m_frame(frame)
{
}

QPushButton *PositioningFlow::confirmButton() const
{
    return m_frame.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
}

void PositioningFlow::confirmed()
{
    confirmButton()->setEnabled(false);
}

bool PositioningFlow::resetsTask() const
{
    return m_frame.member().hook != MemberHook::PinStages;
}

bool PositioningFlow::choicesShown(QWidget *panel)
{
    if (QLayout *layout = panel->layout())
        layout->setContentsMargins(kChoiceInset / 2, 2, kChoiceInset / 2, 2);
    for (QButtonGroup *group : panel->findChildren<QButtonGroup *>()) {
        // An exclusive group keeps one button down; release them all.
        group->setExclusive(false);
        for (QAbstractButton *button : group->buttons()) {
            button->setChecked(false);
            button->setFixedWidth(panel->width() - kChoiceInset);
        }
        group->setExclusive(true);
    }
    return false;
}

void PositioningFlow::stageClosed()
{
    confirmButton()->setEnabled(true);
}

} // namespace holvane::design
