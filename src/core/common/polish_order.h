#pragma once
#include <string_view>

// Alphabetical order of code page 1250 texts as a Polish reader expects it:
// letter case ignored, each Polish letter right after its base letter
// (a ą b c ć ... z ź ż). Texts equal but for case are ordered byte-wise, so
// the order is total.
bool PolishLess(std::string_view a, std::string_view b);
