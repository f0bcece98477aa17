# Our own code builds with every warning as an error; third-party code does not.
function(lumora_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
