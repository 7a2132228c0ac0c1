// The system's file dialogs as the main window asks them for image files:
// the format filters, what the chosen one stands for, and the suffix a
// saved name without one gets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <fstream>

#include "ModalDialogs.h"
#include "TempDir.h"
#include "frame/FileChooser.h"

namespace veldrix::test {
namespace {

const QStringList kFilters{"Raw binary (*.bin)", "Intel HEX (*.hex *.ihx)",
                           "Motorola S-record (*.s19 *.s28 *.s37 *.srec *.mot)", "All files (*)"};

// Answers the next file dialog with `path`, after `choose` acted on it.
void answerFileDialog(const QString& path, std::function<void(QFileDialog&)> choose = {}) {
    onNextModal([path, choose = std::move(choose)](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), kFilters);
        EXPECT_EQ(dialog->selectedNameFilter(), kFilters.last());
        dialog->selectFile(path);
        if (choose) {
            choose(*dialog);
        }
        // Open or Save as the user presses it; the dialog checks the name first.
        static_cast<QDialog*>(dialog)->accept();
    });
}

// The filter chosen as the user does, in the dialog's list of types.
void chooseFilter(QFileDialog& dialog, int index) {
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    while (types->currentIndex() > index) {
        QTest::keyClick(types, Qt::Key_Up);
    }
}

class FileChooserTest : public ::testing::Test {
protected:
    FileChooserTest() { std::ofstream(dir.file("image.dat")) << "data"; }

    TempDir dir;
    QString existing = QString::fromStdString(dir.file("image.dat"));
    SystemFileChooser chooser;
};

TEST_F(FileChooserTest, OpeningTakesTheFormatOfTheChosenFilterAndNoneForAllFiles) {
    answerFileDialog(existing);
    std::optional<ChosenImage> chosen = chooser.imageToOpen(nullptr);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, existing);
    EXPECT_EQ(chosen->format, std::nullopt);

    const std::vector<ImageFormat> formats{ImageFormat::Raw, ImageFormat::IntelHex,
                                           ImageFormat::SRecord};
    for (int index = 0; index < 3; ++index) {
        answerFileDialog(
            existing, [index](QFileDialog& dialog) { dialog.selectNameFilter(kFilters[index]); });
        chosen = chooser.imageToOpen(nullptr);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->format, formats[static_cast<std::size_t>(index)]) << index;
    }
}

TEST_F(FileChooserTest, ANameWithoutExtensionGetsTheSuffixOfTheChosenFilter) {
    const QString name = QString::fromStdString(dir.file("image"));
    answerFileDialog(name);
    std::optional<ChosenImage> chosen = chooser.imageToSave(nullptr, QString());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, name + ".bin");
    EXPECT_EQ(chosen->format, std::nullopt);

    answerFileDialog(name, [](QFileDialog& dialog) { chooseFilter(dialog, 2); });
    chosen = chooser.imageToSave(nullptr, QString());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, name + ".s19");
    EXPECT_EQ(chosen->format, ImageFormat::SRecord);

    answerFileDialog(name, [](QFileDialog& dialog) { chooseFilter(dialog, 1); });
    chosen = chooser.imageToSave(nullptr, QString());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, name + ".hex");
    EXPECT_EQ(chosen->format, ImageFormat::IntelHex);
}

}  // namespace
}  // namespace veldrix::test
