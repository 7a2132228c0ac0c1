#pragma once
// One invocation of veldrix-cli: parses the command line, starts the engine
// with the settings store and the choices given, runs the command and turns
// its outcome into the exit status.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace veldrix::cli {

struct CliEnvironment {
    // Where the program is installed: Hardware/ and "Modules for 0.04/"
    // are found from here, whatever the current directory.
    std::filesystem::path baseDirectory;
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    bool inputIsTerminal = false;
    bool errorIsTerminal = false;
    int columns = 80;  // width of the terminal behind standard error
};

// `arguments` without the program name. Returns the exit status.
[[nodiscard]] int runCli(const std::vector<std::string>& arguments, const CliEnvironment& env);

}  // namespace veldrix::cli
