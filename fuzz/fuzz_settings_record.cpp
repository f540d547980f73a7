// Any bytes as the settings file. Read then written, a record gives back the
// bytes it was read from (the 112 it covers), and merging it with itself
// changes nothing.
#include "app/SetupData.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SetupData defaults;
    defaults.ForePickerColor = 0xFF;
    SetupData read = defaults;
    read.overlayBytes(bytes);
    const QByteArray written = read.toBytes();
    if (written.size() != SetupData::FileSize)
        std::abort();
    const qsizetype covered = std::min<qsizetype>(bytes.size(), SetupData::FileSize);
    if (written.left(covered) != bytes.left(covered) || written.mid(covered) != defaults.toBytes().mid(covered))
        std::abort();
    if (!(SetupData::Merge(read, read, read) == read) || !(SetupData::Merge(defaults, read, defaults) == read))
        std::abort();
    return 0;
}
