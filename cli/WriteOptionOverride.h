#pragma once
// The write options given for one run (--force-write, --check-write,
// --test-insert and their --no- forms) over the settings, put back before
// the settings are written so that they are not remembered.

#include "CliOptions.h"
#include "core/ProgramSettings.h"

namespace veldrix::cli {

class WriteOptionOverride {
public:
    WriteOptionOverride(GeneralSettings& general, const CliOptions& options);
    ~WriteOptionOverride();
    WriteOptionOverride(const WriteOptionOverride&) = delete;
    WriteOptionOverride& operator=(const WriteOptionOverride&) = delete;

private:
    GeneralSettings& general_;
    const GeneralSettings saved_;
};

}  // namespace veldrix::cli
