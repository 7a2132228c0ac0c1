#include "platform/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace veldrix::platform {

bool isTerminal(StandardStream stream) noexcept {
    return ::isatty(static_cast<int>(stream)) == 1;
}

int terminalColumns(StandardStream stream) noexcept {
    winsize size{};
    if (::ioctl(static_cast<int>(stream), TIOCGWINSZ, &size) != 0) {
        return 0;
    }
    return size.ws_col;
}

}  // namespace veldrix::platform
