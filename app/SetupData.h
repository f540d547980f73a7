#pragma once

#include <QByteArray>
#include <cstdint>

// What survives between runs: both pickers' colours and favourites, stored as
// 28 little-endian 32-bit integers with no header. Each favourite array has a
// thirteenth element that no picker fills; it is kept as read.
struct SetupData {
    static constexpr int FavoriteSlots = 13;
    static constexpr int FileSize = 112;

    std::int32_t ForePickerColor = 0;
    std::int32_t BackPickerColor = 0;
    std::int32_t ForeFavorites[FavoriteSlots] = {};
    std::int32_t BackFavorites[FavoriteSlots] = {};

    // The record's 112 bytes as they lie in the file.
    QByteArray toBytes() const;
    // Takes the first 112 bytes of bytes over this record; fields the bytes do
    // not reach keep their values, bytes past 111 are ignored.
    void overlayBytes(const QByteArray& bytes);

    // The record two copies of the program agree on: each field this run
    // changed (ours differs from base, what it started from) takes ours,
    // every other field what the file holds now (theirs).
    static SetupData Merge(const SetupData& base, const SetupData& ours, const SetupData& theirs);

    friend bool operator==(const SetupData&, const SetupData&) = default;
};

static_assert(sizeof(SetupData) == SetupData::FileSize, "the record is the file's layout");
