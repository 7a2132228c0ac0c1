#pragma once
// The engine's user interface with nobody watching: the baseline that
// benchmarks measure a real front end against.

#include <cstdint>
#include <string>

#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix::bench {

class SilentUserInterface : public UserInterface {
public:
    std::uint32_t messageBox(std::uint32_t, const std::string&) override { return DD_IDOK; }
    void showStatusMessage(const std::string&) override {}
    void setPaneText(Pane, const std::string&) override {}
    void refreshTitle() override {}
    void takeFocus() override {}
    void giveFocusBack() override {}
    void openProgressWindow(std::int32_t) override {}
    void moveProgressWindow(std::int32_t, int) override {}
    bool pumpProgressEvents() override { return false; }
    void closeProgressWindow() override {}
};

}  // namespace veldrix::bench
