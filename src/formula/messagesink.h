#pragma once

#include <string>

namespace holvane::formula {

// Where the evaluator's messages go. The interface shows each as a modal
// message box; tests and holvane-eval record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // `text` is UTF-8, in the program's exact wording.
    virtual void show(const std::string &text) = 0;
};

} // namespace holvane::formula
