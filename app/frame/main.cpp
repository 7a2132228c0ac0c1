// veldrix: the graphical program.

#include <QApplication>
#include <cstdio>

#include "core/SettingsStore.h"
#include "frame/GuiSession.h"
#include "frame/ProgramDialogs.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Whatever Qt did not take for itself ends the program before any
    // window opens or any setting is written: there is no batch mode here.
    if (QCoreApplication::arguments().size() > 1) {
        std::fputs("veldrix takes no arguments; for work from the command line use veldrix-cli\n",
                   stderr);
        return 2;
    }
    // Relative driver paths and the module folder are found beside the program.
    const std::filesystem::path base = QCoreApplication::applicationDirPath().toStdString();
    veldrix::GuiSession session(veldrix::SettingsStore::openUserStore(base), base,
                                veldrix::programDialogs());
    if (!session.start()) {
        return 1;
    }
    return QApplication::exec();
}
