#include "frame/ImageFileFilters.h"

#include <QCoreApplication>
#include <array>

namespace veldrix {

namespace {

constexpr std::array kFilters{
    ImageFileFilter{QT_TRANSLATE_NOOP("FileChooser", "Raw binary (*.bin)"), ImageFormat::Raw,
                    "bin"},
    ImageFileFilter{QT_TRANSLATE_NOOP("FileChooser", "Intel HEX (*.hex *.ihx)"),
                    ImageFormat::IntelHex, "hex"},
    ImageFileFilter{
        QT_TRANSLATE_NOOP("FileChooser", "Motorola S-record (*.s19 *.s28 *.s37 *.srec *.mot)"),
        ImageFormat::SRecord, "s19"},
    // A name without extension is saved raw, so it gets the raw suffix.
    ImageFileFilter{QT_TRANSLATE_NOOP("FileChooser", "All files (*)"), std::nullopt, "bin"},
};

QString translated(const ImageFileFilter& filter) {
    return QCoreApplication::translate(kFileChooserContext, filter.text);
}

}  // namespace

std::span<const ImageFileFilter> imageFileFilters() {
    return kFilters;
}

QStringList imageFileFilterTexts() {
    QStringList texts;
    for (const ImageFileFilter& filter : kFilters) {
        texts.append(translated(filter));
    }
    return texts;
}

const ImageFileFilter& imageFileFilterOf(const QString& text) {
    for (const ImageFileFilter& filter : kFilters) {
        if (translated(filter) == text) {
            return filter;
        }
    }
    return kFilters.back();
}

}  // namespace veldrix
