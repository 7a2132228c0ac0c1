#include "UnrestoredChoices.h"

namespace veldrix::cli {
namespace {

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

UnrestoredChoice unrestored(ChoicePart part, const RestoredChoice& choice, std::string notChosen,
                            std::string notFound, std::string options) {
    const bool nothingRemembered = choice.asked.empty();
    return {part, nothingRemembered ? std::move(notChosen) : std::move(notFound),
            std::move(options), choice.taken, nothingRemembered};
}

}  // namespace

std::vector<UnrestoredChoice> unrestoredChoices(const SelectionRestore& restore,
                                                const std::string& moduleDirectory) {
    std::vector<UnrestoredChoice> found;
    if (!restore.port.exact()) {
        found.push_back(unrestored(ChoicePart::Port, restore.port, "no port chosen",
                                   "the remembered port " + quoted(restore.port.asked) +
                                       " is not among the family's ports",
                                   "--port"));
    }
    if (!restore.module.exact()) {
        found.push_back(unrestored(ChoicePart::Module, restore.module, "no chip module chosen",
                                   "the remembered chip module " + quoted(restore.module.asked) +
                                       " is not in " + moduleDirectory,
                                   "--module and --chip"));
    } else if (!restore.chip.exact()) {
        found.push_back(unrestored(ChoicePart::Chip, restore.chip, "no chip chosen",
                                   "the remembered chip " + quoted(restore.chip.asked) +
                                       " is not in module " + quoted(restore.module.taken),
                                   "--chip"));
    }
    return found;
}

}  // namespace veldrix::cli
