#pragma once

// The A4 sheet every form is printed on, in millimetres.
inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;
