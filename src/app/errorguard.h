#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace holvane::app {

class MessageService;

// Runs an event handler's work and shows any error it raises once, in the
// default error box, so that no exception reaches Qt and the program goes on.
// Returns false when the work failed.
bool guarded(MessageService &messages, const std::function<void()> &work);

// The default error box's text for an error.
QString errorText(const std::exception &error);

} // namespace holvane::app
