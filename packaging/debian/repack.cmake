# Run by CPack on the .deb it made. CPack's Installed-Size adds up the sizes
# its staging folder's file system gives, and a folder's size is that file
# system's own (4 KiB on ext4, a few bytes on a tmpfs), so the package came out
# different from one build folder to the next. Here the size is counted from
# what the package holds, as dpkg-gencontrol counts it (each file and link in
# whole KiB rounded up, each folder as one), and dpkg-deb packs it again, in
# name order, with every time clamped to SOURCE_DATE_EPOCH.
foreach(package ${CPACK_PACKAGE_FILES})
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
    list(FILTER entries EXCLUDE REGEX "^DEBIAN(/|$)")
    set(kib 0)
    foreach(entry ${entries})
        if(IS_DIRECTORY ${tree}/${entry} AND NOT IS_SYMLINK ${tree}/${entry})
            math(EXPR kib "${kib} + 1")
        else()
            file(SIZE ${tree}/${entry} bytes)
            math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n" control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
