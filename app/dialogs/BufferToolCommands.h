#pragma once
// Fill buffer and Xor buffer as the main window runs them: the value dialog,
// then the tool. Both return true when the main window is to refocus its
// editors (so both repaint), and do nothing without an image.

#include <QWidget>

#include "buffer/DataBuffer.h"
#include "core/ProgramSettings.h"

namespace veldrix {

// Fill: on OK every byte takes the value; Cancel changes nothing.
bool RunFillBuffer(DataBuffer& buffer, Language language, QWidget* parent);

// Xor: on OK every byte is XORed with the value. The marks are cleared and
// the editors refocused also after Cancel.
bool RunXorBuffer(DataBuffer& buffer, Language language, QWidget* parent);

}  // namespace veldrix
