#pragma once

#include <string>
#include <string_view>

namespace lumora {

inline constexpr char kProgramName[] = "Lum\u00D0ra";
inline constexpr char kAboutTitle[] = "Lum\u00D0ra  1100";
inline constexpr char kWebAddress[] = "https://lumora.example.org";
inline constexpr char kSaveFileName[] = "Scripture.txt";

// The About box's seven lines, joined by CR LF.
std::string AboutPrompt(std::string_view platformLine);

}  // namespace lumora
