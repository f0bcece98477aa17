# Every program built here has a stack protector; the Windows program links
# mingw-w64's statically, and its linker already gives it ASLR and DEP.
add_compile_options(-fstack-protector-strong)
if(WIN32)
    add_link_options(-fstack-protector-strong)
    return()
endif()

# On Linux, Debian's hardening as dpkg-buildflags gives it with hardening=+all:
# stack-clash protection, the processor's own control-flow protection, fortified
# libc calls where the compiler can check them, read-only relocations bound at
# start-up, and a position-independent executable.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-clash-protection
                    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(-Wl,-z,relro -Wl,-z,now)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    add_compile_options(-fcf-protection)
    # Debian's start-up files carry no control-flow marking, which would clear
    # the program's own; their code needs none (the kernel enters it directly,
    # and Linux checks no indirect branch of a program's), so the program is
    # marked as its code is built.
    add_link_options(-Wl,-z,ibt -Wl,-z,shstk)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "aarch64|arm64")
    # Return addresses signed (PAC) and indirect branches landing only where
    # they may (BTI). The program is marked for BTI only where every start-up
    # file is (Debian 13): Linux then traps a branch into one that is not, so
    # marking it by force, as on x86-64, would end it at start-up.
    add_compile_options(-mbranch-protection=standard)
endif()
