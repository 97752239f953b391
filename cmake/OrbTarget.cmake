# Common compile settings for the project's own targets.
set(ORB_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Werror)

function(orb_target_settings target)
    target_compile_options(${target} PRIVATE ${ORB_WARNINGS})
    if(ORB_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                               -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# Tools that run during the build: warnings still fatal, no sanitizers.
function(orb_tool_settings target)
    # Optimised in every configuration: the generators paint at build time.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -O2)
endfunction()
