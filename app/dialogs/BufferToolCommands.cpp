#include "dialogs/BufferToolCommands.h"

#include "buffer/BufferTools.h"
#include "dialogs/ValueDialog.h"

namespace veldrix {

bool RunFillBuffer(DataBuffer& buffer, Language language, QWidget* parent) {
    if (buffer.length() == 0) {
        return false;
    }
    const std::optional<std::uint8_t> value =
        RunValueDialog(QStringLiteral("Fill"), language, parent);
    return value && FillBuffer(buffer, *value);
}

bool RunXorBuffer(DataBuffer& buffer, Language language, QWidget* parent) {
    if (buffer.length() == 0) {
        return false;
    }
    return XorBuffer(buffer, RunValueDialog(QStringLiteral("Xor"), language, parent));
}

}  // namespace veldrix
