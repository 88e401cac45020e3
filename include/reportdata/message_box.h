// The module's one message box. The module shows it when the project settings
// cannot be opened; a host with a user interface installs a handler that
// shows it there. Without a handler the caption and text go to standard error
// as UTF-8 (nothing when the environment variable REPORTDATA_QUIET is set to
// anything but "0").
#ifndef REPORTDATA_MESSAGE_BOX_H_
#define REPORTDATA_MESSAGE_BOX_H_

#include <functional>

#include "reportdata/export.h"
#include "reportdata/framework.h"

// The icon the message box asks for.
enum class MessageBoxIcon { kExclamation, kWarning, kInformation };

// Shows one message. Called on the thread that called into the module.
using MessageBoxHandler =
    std::function<void(const CString& text, const CString& caption, MessageBoxIcon icon)>;

// Installs handler (an empty one restores the standard-error default) and
// returns the handler installed before, empty when it was the default.
REPORTDATA_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

#endif  // REPORTDATA_MESSAGE_BOX_H_
