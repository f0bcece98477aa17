#pragma once

#include <string>
#include <string_view>

namespace lumora {

// UTF-8 to Windows-1252, for platforms without an ANSI code page. A character
// the code page lacks, or a malformed byte, becomes '?'.
std::string EncodeWindows1252(std::string_view utf8);

}  // namespace lumora
