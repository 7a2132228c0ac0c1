#include "WriteOptionOverride.h"

#include <optional>

namespace veldrix::cli {
namespace {

void apply(std::uint8_t& field, std::optional<bool> value) {
    if (value) {
        field = *value ? 1 : 0;
    }
}

}  // namespace

WriteOptionOverride::WriteOptionOverride(GeneralSettings& general, const CliOptions& options)
    : general_(general), saved_(general) {
    apply(general.forcewr, options.forceWrite);
    apply(general.checkwr, options.checkWrite);
    apply(general.testins, options.testInsert);
}

WriteOptionOverride::~WriteOptionOverride() {
    general_.forcewr = saved_.forcewr;
    general_.checkwr = saved_.checkwr;
    general_.testins = saved_.testins;
}

}  // namespace veldrix::cli
