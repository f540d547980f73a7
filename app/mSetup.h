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
// Stores Setup() in the first 112 bytes of the file, keeping anything the
// file holds beyond them. A file that cannot be written is left as it was.
void WriteSetup();

} // namespace mSetup
