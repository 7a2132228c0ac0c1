#pragma once
// The modules this test program drives: the ones the build put beside their
// configuration files.

#include <string>

#include "ChipModule.h"

namespace veldrix::test {

inline ChipModule& shippedModule(const std::string& name) {
    return ChipModule::at(std::string(VELDRIX_TEST_MODULE_DIR) + "/" + name + ".so");
}

}  // namespace veldrix::test
