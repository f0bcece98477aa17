# Run by CPack on the .deb it made. CPack's Installed-Size adds up the sizes
# its staging folder's file system gives, and a folder's size is that file
# system's own (4 KiB on ext4, a few bytes on a tmpfs), so the package came out
# different from one build folder to the next. Here the size is counted from
# what the package holds, as dpkg-gencontrol counts it, and dpkg-deb packs it
# again, in name order, with every time clamped to SOURCE_DATE_EPOCH.
foreach(package ${CPACK_PACKAGE_FILES})
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    # Each file and symbolic link in whole KiB rounded up, hard links once,
    # anything else (the root folder too) as one, and DEBIAN left out.
    execute_process(COMMAND bash -o pipefail -c [[find "$0" -path "$0/DEBIAN" -prune -o -printf '%y %D:%i %n %s\n' |
        awk '$1 == "f" || $1 == "l" { if (!($2 in seen)) kib += int(($4 + 1023) / 1024); if ($3 > 1) seen[$2] = 1; next }
             { kib += 1 } END { print kib }']] ${tree}
        OUTPUT_VARIABLE kib OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n" control "${control}")
    if(NOT control MATCHES "\nInstalled-Size: ${kib}\n")
        message(FATAL_ERROR "${package}: its control file has no Installed-Size to replace with ${kib}")
    endif()
    file(WRITE ${tree}/DEBIAN/control "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
