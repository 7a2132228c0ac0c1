#pragma once
// A module call block wired to a recording user interface, a module
// selection over a temporary module root, and helpers to put test modules
// and configuration files there.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TestModule.h"
#include "catalog/ModuleCatalog.h"
#include "catalog/ModuleSelection.h"
#include "core/CallBlock.h"
#include "core/CallbackTargets.h"
#include "core/HardwareFamilies.h"
#include "core/ModuleCaller.h"
#include "core/ProgressService.h"
#include "platform/DynamicLibrary.h"

namespace veldrix::test {

inline const std::filesystem::path kBuiltTestModules = VELDRIX_SELECTION_TEST_MODULES;
inline const std::filesystem::path kShippedModuleRoot = VELDRIX_TEST_MODULE_ROOT;

class SelectionFixture : public ::testing::Test {
protected:
    SelectionFixture() {
        stampCallBlock(block);
        fillCallBlockCallbacks(block, targets);
        family = hardwareFamily(1);
        selection.setFamily(family);
        selection.setModuleRoot(root.path());
        std::filesystem::create_directories(moduleDir());
    }

    [[nodiscard]] std::filesystem::path moduleDir() const { return root.path() / "tessaro"; }

    // Copies the built test module `built` into the family directory as `name`.
    void installModule(const std::string& built, const std::string& name) const {
        std::filesystem::copy_file(kBuiltTestModules / (built + ".so"),
                                   moduleDir() / (name + ".so"),
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // Writes "<name>.cfg" with CR LF line ends from a text with LF ends.
    void writeConfig(const std::string& name, const std::string& text) const {
        std::string crlf;
        for (const char c : text) {
            if (c == '\n') {
                crlf += '\r';
            }
            crlf += c;
        }
        root.write("tessaro/" + name + ".cfg", crlf);
    }

    // What the installed module `name` recorded of its calls so far.
    [[nodiscard]] std::vector<tm_record> records(const std::string& name) const {
        const platform::DynamicLibrary library((moduleDir() / (name + ".so")).string());
        const auto* all = library.data<tm_record>("tm_records");
        const auto* count = library.data<int>("tm_record_count");
        if (all == nullptr || count == nullptr) {
            return {};
        }
        return {all, all + *count};
    }

    TempDir root;
    RecordingUserInterface ui;
    dlldata block{};
    ProgressService progress{block, ui};
    CallbackTargets targets{&ui, &progress, nullptr, nullptr};
    ModuleCaller caller{block, ui, progress};
    ModuleCatalog catalog;
    HardwareFamily family{};
    ModuleSelection selection{block, caller, catalog, ui};
};

}  // namespace veldrix::test
