#pragma once
// The fixture of a test that drives one shipped module: loaded, its key
// values back at their initial ones and identified, with a recording call
// block as the program's side.

#include <gtest/gtest.h>

#include <string>

#include "RecordingCallBlock.h"
#include "ShippedModule.h"

namespace veldrix::test {

class IdentifiedModuleTest : public testing::Test {
protected:
    explicit IdentifiedModuleTest(const std::string& name) : module(shippedModule(name)) {}

    void SetUp() override {
        ASSERT_TRUE(module.loaded()) << module.loadError();
        module.restoreInitialValues();
        ASSERT_EQ(module.identify(host.block), DD_OK);
    }

    ChipModule& module;
    RecordingCallBlock host;
};

}  // namespace veldrix::test
