#pragma once
#include <string>
#include <string_view>

// Code page 1250, the code page of every text the records hold. Conversion
// to and from UTF-8 is for the user-interface edge and the exporter only.
namespace cp1250 {

std::string toUtf8(std::string_view cp1250Bytes);
// Characters that code page 1250 cannot hold (and malformed UTF-8) become '?'.
std::string fromUtf8(std::string_view utf8);

// Upper case as the code page knows it: a-z and every accented small letter
// that has a capital in the code page (ą→Ą, ś→Ś, š→Š, é→É, ...).
unsigned char upper(unsigned char c);
std::string upper(std::string_view text);

} // namespace cp1250
