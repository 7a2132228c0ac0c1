#pragma once
// The user-interface language: for Russian the program's own translation
// and Qt's (for the file, colour and font dialogs) are installed, for English
// both are removed. Installing or removing sends every widget a language
// change, so open windows can retranslate themselves.

#include <QString>
#include <memory>

#include "core/ProgramSettings.h"

class QTranslator;

namespace veldrix {

class UiTranslators {
public:
    // The program's translation, built into its resources.
    static constexpr const char* kProgramTranslation = ":/translations/veldrix_ru.qm";

    UiTranslators();
    ~UiTranslators();
    UiTranslators(const UiTranslators&) = delete;
    UiTranslators& operator=(const UiTranslators&) = delete;

    // False when the Russian program texts could not be loaded (the English
    // ones stay); Qt's own translation is optional.
    bool apply(Language language);

    [[nodiscard]] bool qtTranslationLoaded() const noexcept { return qtLoaded_; }

private:
    void removeAll();

    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    bool qtLoaded_ = false;
};

// Where Qt's own Russian texts are looked for: "translations" beside the
// program first (the build tree and an installation put them there), then
// Qt's own folder.
[[nodiscard]] QString qtTranslationFile();

}  // namespace veldrix
