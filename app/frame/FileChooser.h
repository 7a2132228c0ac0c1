#pragma once
// Where the main window asks the user for a file to read or to write. The
// program uses the system's file dialogs; tests answer without a dialog.

#include <QString>
#include <optional>

#include "buffer/ImageFormat.h"

class QWidget;

namespace veldrix {

// A buffer file the user chose, with the format of the filter chosen with
// it; none for "All files" (by content on opening, by extension on saving).
struct ChosenImage {
    QString path;
    std::optional<ImageFormat> format;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // An existing image file to load into the buffer, among the formats'
    // filters; nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<ChosenImage> imageToOpen(QWidget* parent) = 0;
    // A file to save the buffer to, `suggested` offered first, among the
    // formats' filters; a name without extension gets the chosen filter's
    // and replacing an existing file is confirmed first. Nothing when the
    // user cancelled.
    [[nodiscard]] virtual std::optional<ChosenImage> imageToSave(QWidget* parent,
                                                                 const QString& suggested) = 0;

    // An existing file to read a block from; nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> fileToOpen(QWidget* parent) = 0;
    // A file to write a block to, `suggested` offered first; ".bin" is added
    // to a name without extension and replacing an existing file is
    // confirmed first. Nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> fileToSave(QWidget* parent,
                                                            const QString& suggested) = 0;
};

class SystemFileChooser : public FileChooser {
public:
    [[nodiscard]] std::optional<ChosenImage> imageToOpen(QWidget* parent) override;
    [[nodiscard]] std::optional<ChosenImage> imageToSave(QWidget* parent,
                                                         const QString& suggested) override;
    [[nodiscard]] std::optional<QString> fileToOpen(QWidget* parent) override;
    [[nodiscard]] std::optional<QString> fileToSave(QWidget* parent,
                                                    const QString& suggested) override;
};

}  // namespace veldrix
