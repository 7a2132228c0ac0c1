#pragma once
// The file dialogs' filters for buffer files. Each stands for a format, which
// then overrides the one the file's content or name would give; "All files"
// stands for none, so the content decides on opening and the extension on
// saving.

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "buffer/ImageFormat.h"

namespace veldrix {

inline constexpr char kFileChooserContext[] = "FileChooser";

struct ImageFileFilter {
    const char* text;                   // English source text in kFileChooserContext
    std::optional<ImageFormat> format;  // none: by content or extension
    const char* defaultSuffix;          // given to a saved name without extension
};

// In the dialogs' order; "All files" is the last.
[[nodiscard]] std::span<const ImageFileFilter> imageFileFilters();

// The filters' texts in the current language, in table order.
[[nodiscard]] QStringList imageFileFilterTexts();

// The filter whose text in the current language is `text`; "All files" for
// a text that is none of them.
[[nodiscard]] const ImageFileFilter& imageFileFilterOf(const QString& text);

}  // namespace veldrix
