#pragma once
#include <QString>

#include <string>

// Record texts are code page 1250; the windows show Unicode. The conversion
// happens here and nowhere else in the user interface.
QString fromRecordText(const std::string& cp1250);
std::string toRecordText(const QString& text);
