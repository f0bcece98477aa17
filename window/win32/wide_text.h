#pragma once

#include <string>
#include <string_view>

namespace lumora {

// UTF-8 and the UTF-16 of the wide Windows API.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's message for an error code, in UTF-8.
std::string SystemErrorText(unsigned long error);

}  // namespace lumora
