#pragma once

// The organisation and application of the program's settings
// (~/.config/zgloszenia/zgloszenia.conf): QSettings(kSettingsName, kSettingsName).
inline constexpr const char* kSettingsName = "zgloszenia";
