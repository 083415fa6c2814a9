#pragma once
#include <QIcon>
#include <QImage>

inline constexpr const char* kProgramName = "Zgłoszenia NIP/VAT";
inline constexpr const char* kProgramVersion = "1.0";

// The program's own icon (a form sheet with a seal).
QIcon programIcon();
// The same drawing `size` pixels square, for the desktop's icon theme.
QImage programIconImage(int size);
