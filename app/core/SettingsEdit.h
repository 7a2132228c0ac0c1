#pragma once
// The Settings dialog without its widgets: the port list, the driver file
// with its chooser, the ECR value, the port access method, the module root
// with its folder chooser, the editor colours and font, and sound. It works
// on copies of the colours and font; the driver chosen with the chooser is
// bound at once, and Cancel binds the one in use at opening again.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramSettings.h"

namespace veldrix {

class Application;

// The colours the dialog's buttons set.
enum class EditorColor { Address, Hex, Ascii, Background, Highlight };

// What the user typed or chose in the dialog's own controls, read at OK.
struct SettingsEntries {
    std::string ecr;        // the ECR edit's text
    bool ntDriver = false;  // "NT driver" rather than "Direct access"
    bool sound = false;
    std::string moduleRoot;  // the module root edit's text
};

// A typed value that OK refuses, with what it should have been.
struct RefusedSetting {
    std::string message;
};

// The ECR byte: one whole constant in any form ParseNumber reads, 0 to 0xFF.
[[nodiscard]] std::optional<std::uint8_t> parseEcrValue(const std::string& text);

class SettingsEdit {
public:
    static constexpr const char* kModuleFolderTitle = "Please, choose the folder with MODULES...";
    static constexpr const char* kDriverFilter = "Driver files (*.so)";

    // Copies what the dialog edits from `app`, which must outlive it.
    explicit SettingsEdit(Application& app);

    // What the controls show; read again after a driver was chosen.
    [[nodiscard]] std::vector<std::string> portLabels() const;
    // The current port's row, or the first when it is not listed. Choosing
    // another row changes nothing: the port bar chooses ports.
    [[nodiscard]] std::size_t portRow() const;
    [[nodiscard]] const std::string& driverName() const;
    [[nodiscard]] std::string ecrText() const;
    [[nodiscard]] bool ntDriver() const;
    [[nodiscard]] bool sound() const;
    [[nodiscard]] const std::string& moduleRoot() const;
    // The modules of the last scan and the saved module's row among them.
    [[nodiscard]] const std::vector<std::string>& moduleNames() const;
    [[nodiscard]] std::optional<std::size_t> savedModuleRow() const;

    // The copies the "Font" and colour buttons edit, 0x00BBGGRR.
    [[nodiscard]] std::uint32_t color(EditorColor which) const;
    void setColor(EditorColor which, std::uint32_t color);
    [[nodiscard]] const ColorSettings& colors() const noexcept { return colors_; }
    [[nodiscard]] const FontSettings& font() const noexcept { return font_; }
    // The font picker's choice of face and character height in pixels, kept
    // with normal weight and without italic, underline or strike-out.
    void chooseFont(const std::string& face, int pixelHeight);

    // The driver's "..": the file the chooser offers first
    // (Hardware/<dir>.so under the base directory), and the chosen file,
    // which becomes the family's driver and is bound at once.
    [[nodiscard]] std::filesystem::path driverChooserStart() const;
    void chooseDriverFile(const std::string& path);

    // The module root's "..": the folder the chooser starts in for the
    // edit's text, and the edit's text for the chosen folder.
    [[nodiscard]] std::filesystem::path moduleFolderStart(const std::string& rootText) const;
    [[nodiscard]] std::string moduleRootText(const std::filesystem::path& folder) const;

    // OK. A malformed ECR, or one above 0xFF, refuses OK and changes
    // nothing: written into the port's extended control register, a wrong
    // value can put the port into a mode in which the board cannot be read.
    // Otherwise the colours and font, the access method, sound and the
    // module root are stored (the next chip selection scans the new root),
    // and the driver is bound again when it was chosen anew or the ECR
    // changed.
    [[nodiscard]] std::optional<RefusedSetting> accept(const SettingsEntries& entries);
    // Cancel: the driver and port in use at opening, the driver bound again.
    void cancel();

private:
    Application& app_;
    ColorSettings colors_;
    FontSettings font_;
    std::string openingDriver_;
    std::string openingPort_;
    bool driverChosen_ = false;
};

}  // namespace veldrix
