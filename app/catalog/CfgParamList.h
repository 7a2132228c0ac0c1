#pragma once
// The parameters of one record in file order. Lookups go newest first, so
// the later of two like-named lines of a file wins.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalog/CfgParam.h"

namespace veldrix {

class CfgParamList {
public:
    // The name is cut to 15 characters.
    void add(std::string_view name, std::uint32_t value);
    void clear() noexcept { params_.clear(); }

    // The newest parameter named exactly `name` (with case); null when none.
    [[nodiscard]] const CfgParam* find(std::string_view name) const noexcept;

    [[nodiscard]] std::size_t size() const noexcept { return params_.size(); }
    [[nodiscard]] bool empty() const noexcept { return params_.empty(); }
    // File order, oldest first.
    [[nodiscard]] auto begin() const noexcept { return params_.begin(); }
    [[nodiscard]] auto end() const noexcept { return params_.end(); }

private:
    std::vector<CfgParam> params_;
};

}  // namespace veldrix
