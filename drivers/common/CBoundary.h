#pragma once
// Keeps C++ exceptions inside the driver: an export answers `fallback`
// instead of letting one cross into its C caller.

namespace veldrix::drivers {

template <class Result, class Body>
[[nodiscard]] Result answerOr(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

}  // namespace veldrix::drivers
