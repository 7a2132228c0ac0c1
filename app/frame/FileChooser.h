#pragma once
// Where the main window asks the user for a file to read or to write. The
// program uses the system's file dialogs; tests answer without a dialog.

#include <QString>
#include <optional>

class QWidget;

namespace veldrix {

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // An existing file to read; nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> fileToOpen(QWidget* parent) = 0;
    // A file to write, `suggested` offered first; ".bin" is added to a name
    // without extension and replacing an existing file is confirmed first.
    // Nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> fileToSave(QWidget* parent,
                                                            const QString& suggested) = 0;
};

class SystemFileChooser : public FileChooser {
public:
    [[nodiscard]] std::optional<QString> fileToOpen(QWidget* parent) override;
    [[nodiscard]] std::optional<QString> fileToSave(QWidget* parent,
                                                    const QString& suggested) override;
};

}  // namespace veldrix
