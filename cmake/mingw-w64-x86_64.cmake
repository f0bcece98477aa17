# The same program for 64-bit Windows, whose tests run on any x86-64 machine.
set(LUMORA_MINGW_PROCESSOR x86_64)
set(LUMORA_WINE_BITS 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
