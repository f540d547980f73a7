#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// The program's command line. No argument starts the window. --version and
// --help answer on standard output. The sub-commands "convert" and
// "contrast" answer without a display; "pick" takes a colour from the
// screen with no window of its own. Results go to standard output alone,
// messages to standard error; exit status 0 done, 1 cancelled, 2 bad usage
// or input.
namespace CommandLine {

struct Request {
    enum Kind {
        Window, // start the program's window
        Pick,   // run a capture and print the colour taken in form
        Done,   // answered: end with exitCode
    };
    Kind kind = Window;
    int exitCode = 0;
    QString form;
};

// Reads the arguments (the program's name first) and answers what needs no
// display.
Request Handle(const QStringList& arguments);

// Writes text as the terminal's encoding has it, at once.
void Write(FILE* to, const QString& text);

} // namespace CommandLine
