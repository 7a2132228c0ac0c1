#pragma once
// The program's own dialogs, as the main window's commands open them.

#include "frame/OptionDialogs.h"

namespace veldrix {

[[nodiscard]] OptionDialogs programDialogs();

}  // namespace veldrix
