// Any bytes as a palette file to import. What reads as a palette, written
// out again, reads back as the same colours and names.
#include "colour/GimpPalette.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const GimpPalette::Reading r = GimpPalette::Read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (r.badLine > 0) {
        if (!r.entries.isEmpty() || r.problem.isEmpty())
            std::abort(); // a refused file gives nothing, and says why
        return 0;
    }
    for (const GimpPalette::Entry& e : r.entries)
        if (e.colour < 0 || e.colour > 0xFFFFFF)
            std::abort();
    const GimpPalette::Reading again = GimpPalette::Read(GimpPalette::Write(QStringLiteral("x"), r.entries, QDateTime()));
    if (again.badLine != 0 || again.entries.size() != r.entries.size())
        std::abort();
    for (qsizetype i = 0; i < r.entries.size(); ++i)
        if (again.entries[i].colour != r.entries[i].colour
            || again.entries[i].name != r.entries[i].name)
            std::abort();
    return 0;
}
