# Every program built here has a stack protector; the Windows program links
# mingw-w64's statically, and its linker already gives it ASLR and DEP.
add_compile_options(-fstack-protector-strong)
if(WIN32)
    add_link_options(-fstack-protector-strong)
    return()
endif()

# On Linux, Debian's hardening as dpkg-buildflags gives it with hardening=+all:
# stack-clash protection, control-flow protection, fortified libc calls where
# the compiler can check them, read-only relocations bound at start-up, and a
# position-independent executable.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-clash-protection -fcf-protection
                    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(-Wl,-z,relro -Wl,-z,now)
# Debian's start-up files carry no control-flow marking, which would clear the
# program's own; their code needs none (the kernel enters it directly), so the
# program is marked as its code is built.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    add_link_options(-Wl,-z,ibt -Wl,-z,shstk)
endif()
