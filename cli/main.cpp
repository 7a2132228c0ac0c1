// veldrix-cli: the scriptable front end of the VELDRIX engine.

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "platform/Terminal.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    using veldrix::platform::StandardStream;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const veldrix::cli::CliEnvironment env{
        .baseDirectory = QCoreApplication::applicationDirPath().toStdString(),
        .out = std::cout,
        .err = std::cerr,
        .in = std::cin,
        .inputIsTerminal = veldrix::platform::isTerminal(StandardStream::Input),
        .errorIsTerminal = veldrix::platform::isTerminal(StandardStream::Error),
        .columns = veldrix::platform::terminalColumns(StandardStream::Error),
    };
    return veldrix::cli::runCli(arguments, env);
}
