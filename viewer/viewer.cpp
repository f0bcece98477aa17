#include "viewer/viewer.h"

#include <utility>

namespace lumora {

Viewer::Viewer(ViewerServices services, std::string platformLine)
    : services_(services), platformLine_(std::move(platformLine)) {}

}  // namespace lumora
