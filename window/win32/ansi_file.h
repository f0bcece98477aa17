#pragma once

#include <string>

namespace lumora {

// Appends UTF-8 `text` to `fileName`, created if missing, converted to the
// system's ANSI code page, in one write, so that two programs appending at once
// cannot interleave. Throws FileFailure with the system's reason.
void AppendInAnsiCodePage(const std::string& fileName, const std::string& text);

}  // namespace lumora
