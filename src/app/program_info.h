#pragma once
#include <QIcon>

inline constexpr const char* kProgramName = "Zgłoszenia NIP/VAT";
inline constexpr const char* kProgramVersion = "1.0";

// The program's own icon (a form sheet with a seal).
QIcon programIcon();
