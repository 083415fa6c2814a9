#pragma once
#include <QImage>

#include <string>
#include <string_view>

// The scan of the blank form for a sheet label (print/blank_form_names.h):
// the first of its candidate files that exists. A PDF gives its first page.
std::string blankFormScanPath(std::string_view label); // empty: none
// A null image when there is none or it cannot be read.
QImage loadBlankFormScan(const std::string& path);
