#include "app/SetupData.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr int FieldCount = SetupData::FileSize / 4;

// Field i of the record in file order, so the byte layout is stated once.
template <typename Record>
auto* field(Record& d, int i)
{
    if (i == 0)
        return &d.ForePickerColor;
    if (i == 1)
        return &d.BackPickerColor;
    if (i < 2 + SetupData::FavoriteSlots)
        return &d.ForeFavorites[i - 2];
    return &d.BackFavorites[i - 2 - SetupData::FavoriteSlots];
}

} // namespace

QByteArray SetupData::toBytes() const
{
    QByteArray out(FileSize, '\0');
    for (int i = 0; i < FieldCount; ++i)
        qToLittleEndian<std::int32_t>(*field(*this, i), out.data() + 4 * i);
    return out;
}

void SetupData::overlayBytes(const QByteArray& bytes)
{
    QByteArray image = toBytes();
    std::memcpy(image.data(), bytes.constData(), static_cast<std::size_t>(std::min<qsizetype>(bytes.size(), FileSize)));
    for (int i = 0; i < FieldCount; ++i)
        *field(*this, i) = qFromLittleEndian<std::int32_t>(image.constData() + 4 * i);
}

SetupData SetupData::Merge(const SetupData& base, const SetupData& ours, const SetupData& theirs)
{
    SetupData merged = theirs;
    for (int i = 0; i < FieldCount; ++i)
        if (*field(ours, i) != *field(base, i))
            *field(merged, i) = *field(ours, i);
    return merged;
}
