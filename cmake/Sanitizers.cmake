# TINCT_SANITIZE builds every target with AddressSanitizer (heap and stack
# overflows, use after free, leaks) and UndefinedBehaviorSanitizer. Undefined
# behaviour is made fatal: a report that lets the program go on would pass
# unnoticed in a test that otherwise succeeds. scripts/test sets the run-time
# options that make every report fail the suite.

if(TINCT_SANITIZE)
    set(tinct_sanitize_flags
        -fsanitize=address,undefined
        -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)

    # Fail here, with the reason, rather than at the first link.
    include(CheckCXXSourceCompiles)
    list(JOIN tinct_sanitize_flags " " CMAKE_REQUIRED_FLAGS)
    set(CMAKE_REQUIRED_LINK_OPTIONS ${tinct_sanitize_flags})
    check_cxx_source_compiles("int main() { return 0; }" TINCT_SANITIZERS_WORK)
    unset(CMAKE_REQUIRED_FLAGS)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    if(NOT TINCT_SANITIZERS_WORK)
        message(FATAL_ERROR "TINCT_SANITIZE: the compiler cannot build with "
                            "${tinct_sanitize_flags}; install libasan and libubsan")
    endif()

    add_compile_options(${tinct_sanitize_flags})
    add_link_options(${tinct_sanitize_flags})
endif()
