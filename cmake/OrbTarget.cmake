# Common compile settings for the project's own targets.
set(ORB_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Werror)

# The sanitizers of a fuzzing build: every finding stops the run, so that
# libFuzzer sees it and keeps the input.
set(ORB_FUZZ_SANITIZERS address,undefined)
set(ORB_FUZZ_COMPILE_OPTIONS -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(orb_target_settings target)
    target_compile_options(${target} PRIVATE ${ORB_WARNINGS})
    if(ORB_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                               -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
    if(ORB_FUZZ)
        # Instrumented for coverage and checked, but without libFuzzer's main:
        # the libraries also end up in programs that have their own.
        target_compile_options(${target} PRIVATE
                               -fsanitize=fuzzer-no-link,${ORB_FUZZ_SANITIZERS}
                               ${ORB_FUZZ_COMPILE_OPTIONS})
        target_link_options(${target} PRIVATE -fsanitize=${ORB_FUZZ_SANITIZERS})
    endif()
endfunction()

# A libFuzzer target: the project's warnings, libFuzzer's main and the same
# sanitizers as the libraries it links.
function(orb_fuzz_settings target)
    target_compile_options(${target} PRIVATE ${ORB_WARNINGS}
                           -fsanitize=fuzzer,${ORB_FUZZ_SANITIZERS} ${ORB_FUZZ_COMPILE_OPTIONS})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,${ORB_FUZZ_SANITIZERS})
endfunction()

# Tools that run during the build: warnings still fatal, no sanitizers.
function(orb_tool_settings target)
    # Optimised in every configuration: the generators paint at build time.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -O2)
endfunction()
