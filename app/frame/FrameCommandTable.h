#pragma once
// Every command of the main window in one table (its menu text, keys, tool
// bar icon and fly-by help), and the menus and the tool bar as rows over
// it. Texts are English source texts, translated in the context
// kFrameContext whenever the language changes.

#include <span>

namespace veldrix {

inline constexpr char kFrameContext[] = "CMainFrame";

struct CommandEntry {
    int id;
    const char* text;       // menu text without its keys
    const char* keys;       // portable key texts, ';' between several; "" for none
    const char* icon;       // tool bar icon in :/icons/; null when not on the tool bar
    const char* statusTip;  // fly-by help in the status bar
    bool checkable;         // shows a check mark (View toggles, family, language)
};

enum class MenuRowKind {
    Menu,        // a pop-up on the menu bar, titled `title`; rows up to the next one fill it
    Submenu,     // a pop-up inside the current menu, filled up to EndSubmenu
    EndSubmenu,  //
    Command,     // the command `id` as an entry of the current menu
    Separator,   //
    BarCommand,  // the command `id` on the menu bar itself
};

struct MenuRow {
    MenuRowKind kind;
    int id;
    const char* title;
};

[[nodiscard]] std::span<const CommandEntry> commandEntries();
[[nodiscard]] std::span<const MenuRow> menuRows();
// The tool bar's buttons from left to right; 0 stands for a separator.
[[nodiscard]] std::span<const int> toolBarRows();

}  // namespace veldrix
