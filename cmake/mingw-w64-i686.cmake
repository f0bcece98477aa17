# The shipped program: 32-bit Windows.
set(LUMORA_MINGW_PROCESSOR i686)
set(LUMORA_WINE_BITS 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
