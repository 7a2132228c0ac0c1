// The program `veldrix` has no batch mode: any argument Qt does not take
// for itself ends it at once, without a window and without settings.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>

#include "TempDir.h"

namespace veldrix::test {
namespace {

TEST(ProgramCommandLine, AnyArgumentEndsTheProgramPointingToTheCommandLineTool) {
    TempDir home;
    // Qt warns on standard error without a runtime directory of the user's own.
    const std::filesystem::path runtime = home.path() / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home.file("cfg")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    for (const QStringList& arguments :
         {QStringList{"/M", "calypso"}, QStringList{"image.bin"},
          // Qt's own options are taken first; what remains still counts.
          QStringList{"-platform", "offscreen", "--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELDRIX_PROGRAM_PATH), arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 2);
        const QString error = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(error.contains("veldrix-cli")) << error.toStdString();
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    }
    // Nothing was written: no settings store exists.
    EXPECT_FALSE(std::filesystem::exists(home.file("cfg")));
}

}  // namespace
}  // namespace veldrix::test
