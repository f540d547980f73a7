// Any arguments (the bytes split at NULs) given to the program. The answer
// is the window, a pick in a known form, or an end with 0, 1 or 2; results
// go to the null device.
#include "app/CommandLine.h"
#include "colour/ColourForms.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Results only: the messages on standard error stay, beside the
    // fuzzer's and the sanitizers' own reports.
    std::freopen("/dev/null", "w", stdout);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments{QStringLiteral("tintaro")};
    for (const QByteArray& word : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0'))
        arguments.append(QString::fromUtf8(word));
    const CommandLine::Request r = CommandLine::Handle(arguments);
    if (r.kind == CommandLine::Request::Done && r.exitCode != 0 && r.exitCode != 1 && r.exitCode != 2)
        std::abort();
    if (r.kind == CommandLine::Request::Pick && !ColourForms::Known(r.form))
        std::abort();
    return 0;
}
