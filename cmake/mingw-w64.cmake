# Cross-compiling the Windows program with Debian's mingw-w64 (the POSIX-threads
# variant, whose C++ library has std::mutex for GoogleTest), for the target that
# mingw-w64-i686.cmake or mingw-w64-x86_64.cmake names.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${LUMORA_MINGW_PROCESSOR})
set(triplet ${LUMORA_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run under Wine of the same width, through a wrapper that gives it a
# prefix and a display.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/run-under-wine ${LUMORA_WINE_BITS})
