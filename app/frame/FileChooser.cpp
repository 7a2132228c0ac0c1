#include "frame/FileChooser.h"

#include <QFileDialog>

#include "frame/ImageFileFilters.h"

namespace veldrix {

namespace {

constexpr char kRawSuffix[] = "bin";

void askForExistingFile(QFileDialog& dialog) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
}

void askForFileToWrite(QFileDialog& dialog, const QString& suggested) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(kRawSuffix));
    dialog.selectFile(suggested);
}

// "All files" is chosen first: the file's content or name then decides,
// as it does without a dialog.
void offerImageFilters(QFileDialog& dialog) {
    const QStringList filters = imageFileFilterTexts();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constLast());
}

std::optional<QString> chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<ChosenImage> chosenImage(QFileDialog& dialog) {
    const std::optional<QString> path = chosenFile(dialog);
    if (!path) {
        return std::nullopt;
    }
    return ChosenImage{*path, imageFileFilterOf(dialog.selectedNameFilter()).format};
}

}  // namespace

std::optional<ChosenImage> SystemFileChooser::imageToOpen(QWidget* parent) {
    QFileDialog dialog(parent);
    askForExistingFile(dialog);
    offerImageFilters(dialog);
    return chosenImage(dialog);
}

std::optional<ChosenImage> SystemFileChooser::imageToSave(QWidget* parent,
                                                          const QString& suggested) {
    QFileDialog dialog(parent);
    askForFileToWrite(dialog, suggested);
    offerImageFilters(dialog);
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(QString::fromLatin1(imageFileFilterOf(filter).defaultSuffix));
        });
    return chosenImage(dialog);
}

std::optional<QString> SystemFileChooser::fileToOpen(QWidget* parent) {
    QFileDialog dialog(parent);
    askForExistingFile(dialog);
    return chosenFile(dialog);
}

std::optional<QString> SystemFileChooser::fileToSave(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent);
    askForFileToWrite(dialog, suggested);
    return chosenFile(dialog);
}

}  // namespace veldrix
