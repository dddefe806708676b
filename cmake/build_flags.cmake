# Compiler settings shared by every target of the project.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

if(TL_SANITIZE)
  set(TL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${TL_SANITIZER_FLAGS})
  add_link_options(${TL_SANITIZER_FLAGS})
endif()

# The fuzz build instruments every library for coverage, so that libFuzzer
# is guided by the readers' own branches and not only by the harness.
if(TL_BUILD_FUZZERS)
  add_compile_options(-fsanitize=fuzzer-no-link
                      -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage_ignorelist.txt)
endif()

# Every target links this: warnings, C++20 and the source root as include
# root ("document/layout_document.h").
add_library(tl_build_flags INTERFACE)
target_compile_features(tl_build_flags INTERFACE cxx_std_20)
target_compile_options(tl_build_flags INTERFACE -Wall -Wextra $<$<BOOL:${TL_WERROR}>:-Werror>)
target_include_directories(tl_build_flags INTERFACE ${PROJECT_SOURCE_DIR})

# GCC 12's optimiser reports -Wrestrict inside libstdc++'s own string copies
# (GCC bug 105329) in the optimised build; it says nothing about this code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tl_build_flags INTERFACE $<$<CONFIG:Release>:-Wno-restrict>)
endif()
