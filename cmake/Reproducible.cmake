# Builds that can be repeated byte for byte: no build folder in the binaries,
# and no date of the build in the Windows program file. Every other date comes
# from SOURCE_DATE_EPOCH, which the Makefile sets to the last commit's time.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
if(WIN32)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
