#pragma once
// What the contract suite needs besides a UserInterface: a way to play the
// user (answer a question, press Cancel) and to see what was shown. One
// harness per implementation; the suite runs for each one instantiated.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/UserInterface.h"

namespace veldrix::test {

class UserInterfaceHarness {
public:
    virtual ~UserInterfaceHarness() = default;

    [[nodiscard]] virtual UserInterface& ui() = 0;
    // The user presses `button` (DD_ID*) at the next question asked.
    virtual void answerNextQuestion(std::uint32_t button) = 0;
    // The user asks the running operation to stop, as with the progress
    // window's Cancel button. Called at most once per harness.
    virtual void requestCancel() = 0;
    // Texts shown so far, in order.
    [[nodiscard]] virtual std::vector<std::string> boxTexts() const = 0;
    [[nodiscard]] virtual std::vector<std::string> statusTexts() const = 0;
};

using HarnessFactory = std::function<std::unique_ptr<UserInterfaceHarness>()>;

// For one-line instantiations:
//   INSTANTIATE_TEST_SUITE_P(Name, UserInterfaceContract,
//                            ::testing::Values(makeHarness<NameHarness>));
template <class Harness>
std::unique_ptr<UserInterfaceHarness> makeHarness() {
    return std::make_unique<Harness>();
}

}  // namespace veldrix::test
