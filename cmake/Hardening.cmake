# Hardens what we build the way Debian builds its packages (see
# `dpkg-buildflags`): position-independent executables, so ASLR also moves the
# program's own code; a stack protector; checked libc calls (_FORTIFY_SOURCE);
# and relocations resolved at start-up (BIND_NOW) into tables that are then
# made read-only (RELRO). The test `hardening` (tests/CMakeLists.txt) checks
# the result with hardening-check.
#
# All but _FORTIFY_SOURCE apply to every build type, so debug builds lay out
# memory as released ones do. _FORTIFY_SOURCE needs optimisation (glibc warns
# without it) and its checked functions bypass AddressSanitizer's
# interceptors, so it is left out of unoptimised and sanitized builds.

include(CheckPIESupported)
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)

check_pie_supported(OUTPUT_VARIABLE tinct_pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot make position-independent executables:\n"
                        "${tinct_pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

check_cxx_compiler_flag(-fstack-protector-strong TINCT_HAS_STACK_PROTECTOR_STRONG)
if(NOT TINCT_HAS_STACK_PROTECTOR_STRONG)
    message(FATAL_ERROR "The compiler lacks -fstack-protector-strong")
endif()
add_compile_options(-fstack-protector-strong)

add_link_options(LINKER:-z,relro LINKER:-z,now)

# Whoever builds us may already set _FORTIFY_SOURCE, in CXXFLAGS as Debian's
# packaging tools do or built into the compiler as on some distributions;
# defining it a second time would only warn, or lower a level chosen on purpose.
set(tinct_fortify_given OFF)
foreach(flags CMAKE_CXX_FLAGS CMAKE_CXX_FLAGS_RELEASE CMAKE_CXX_FLAGS_RELWITHDEBINFO
              CMAKE_CXX_FLAGS_MINSIZEREL)
    if("${${flags}}" MATCHES "_FORTIFY_SOURCE")
        set(tinct_fortify_given ON)
    endif()
endforeach()
if(NOT tinct_fortify_given)
    set(CMAKE_REQUIRED_FLAGS -O2)
    check_cxx_source_compiles([[
        #ifndef _FORTIFY_SOURCE
        #error not predefined
        #endif
        int main() { return 0; }
        ]] TINCT_COMPILER_PREDEFINES_FORTIFY)
    unset(CMAKE_REQUIRED_FLAGS)
    if(TINCT_COMPILER_PREDEFINES_FORTIFY)
        set(tinct_fortify_given ON)
    endif()
endif()
if(NOT tinct_fortify_given AND NOT TINCT_SANITIZE)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
