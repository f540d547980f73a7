#pragma once

#include "app/SetupData.h"

#include <QString>

namespace mSetup {

inline constexpr const char* FileName = "pvsetup.dat";
inline constexpr const char* CorruptTitle = "Tintaro";
inline constexpr const char* CorruptText = "Configuration data file is corrupt\r\nDefault values will be used";
inline constexpr std::int32_t DefaultForeColor = 255; // pure red
inline constexpr std::int32_t DefaultBackColor = 0;   // black

// The one record of the process, filled by ReadSetup and saved by WriteSetup.
SetupData& Setup();

// Where the settings file lives: beside the executable, or in the user's
// configuration directory when the executable's directory cannot be written.
QString SetupPath();

// Fills Setup() from the file. A missing, empty or unreadable file gives the
// defaults (an empty one after telling the user it is corrupt); a short file
// fills only the fields it covers.
void ReadSetup();
// Stores Setup() in the first 112 bytes of the file it was read from,
// keeping anything the file holds beyond them. Another copy of the program
// may have saved meanwhile: fields this run did not change keep the file's
// values. False when the file could not be written; it is then left exactly
// as it was.
bool WriteSetup();
// The file ReadSetup read, which WriteSetup writes.
QString SavedPath();

} // namespace mSetup
