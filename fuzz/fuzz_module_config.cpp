// Reads arbitrary bytes as a module configuration file and checks the
// catalogue's invariants: every name fits its field, numbering holds, and the
// default algorithm survives.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "catalog/ModuleCatalog.h"
#include "catalog/ModuleConfigReader.h"

namespace {

using veldrix::NameField;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void requireFits(const NameField& name) {
    require(::strnlen(name.c_str(), NameField::kSize) <= NameField::kMaxLength);
    require(name.view().size() == std::strlen(name.c_str()));
}

void requirePrintable(const NameField& name) {
    requireFits(name);
    for (const char c : name.view()) {
        const auto byte = static_cast<unsigned char>(c);
        require(byte >= 0x20 && byte < 0x80);
    }
}

void requireParamsFit(const veldrix::CfgParamList& params) {
    for (const veldrix::CfgParam& param : params) {
        requireFits(param.name);
        // The newest of like-named parameters is the one found.
        const veldrix::CfgParam* found = params.find(param.name.view());
        require(found != nullptr && found >= &param);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    veldrix::ModuleCatalog catalog;
    catalog.defaultAlgorithm().params.add("WrAlg", 1);
    int messages = 0;
    veldrix::ParseModuleConfig(catalog, text, [&](const std::string& m) {
        ++messages;
        require(m.rfind("numeric constant ", 0) == 0);
    });

    for (std::size_t k = 1; k <= catalog.chipCount(); ++k) {
        const veldrix::ChipDescription* chip = catalog.chip(k);
        require(chip != nullptr);
        requirePrintable(chip->name);
        requireFits(chip->mfr);
        requireParamsFit(chip->params);
    }
    for (std::size_t k = 1; k <= catalog.algorithmCount(); ++k) {
        if (k == veldrix::ModuleCatalog::kDefaultAlgorithmNumber) {
            continue;
        }
        const veldrix::AlgDef* algorithm = catalog.algorithm(k);
        require(algorithm != nullptr);
        requirePrintable(algorithm->name);
        requireParamsFit(algorithm->params);
    }
    require(catalog.chip(0) == nullptr && catalog.chip(catalog.chipCount() + 1) == nullptr);
    require(catalog.algorithm(0) == nullptr);
    require(catalog.algorithm(255) == &catalog.defaultAlgorithm());
    require(catalog.defaultAlgorithm().params.size() == 1);

    // Reading the same text again replaces the first reading with an equal one.
    const std::size_t chips = catalog.chipCount();
    const std::size_t algorithms = catalog.algorithmCount();
    veldrix::ParseModuleConfig(catalog, text);
    require(catalog.chipCount() == chips && catalog.algorithmCount() == algorithms);
    return 0;
}
