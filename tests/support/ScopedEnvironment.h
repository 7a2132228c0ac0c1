#pragma once
// Sets (or unsets) an environment variable for the lifetime of the object
// and puts the previous value back afterwards.

#include <cstdlib>
#include <optional>
#include <string>

namespace veldrix::test {

class ScopedEnvironment {
public:
    // A null value unsets the variable.
    ScopedEnvironment(std::string name, const char* value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) {
            previous_ = old;
        }
        apply(value);
    }
    ~ScopedEnvironment() { apply(previous_ ? previous_->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void apply(const char* value) {
        if (value != nullptr) {
            setenv(name_.c_str(), value, 1);
        } else {
            unsetenv(name_.c_str());
        }
    }

    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace veldrix::test
