#pragma once

#include <QStringList>
#include <optional>

// The program's command line: no argument starts it; --version and --help
// answer on standard output and end it (0); anything else is an error on
// standard error (2).
namespace CommandLine {

// nullopt to go on and start the window, else the process's exit code.
std::optional<int> Handle(const QStringList& arguments);

} // namespace CommandLine
