# Build helpers shared by every folder: warnings, portable and Windows-only
# libraries, and tests that run natively or under Wine.

function(folvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(FOLVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

set(FOLVANE_SOURCE_ROOT ${CMAKE_SOURCE_DIR}/src)

if(FOLVANE_WINDOWS)
  # Windows programs run under Wine with this tree's own prefix and loader, so
  # that the 32-bit and the 64-bit tree never share a prefix.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(FOLVANE_WINE_ARCH win64)
  else()
    set(FOLVANE_WINE_ARCH win32)
  endif()
  file(WRITE ${CMAKE_BINARY_DIR}/wine-arch "${FOLVANE_WINE_ARCH}\n")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-exec ${CMAKE_BINARY_DIR})
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
  # One file, no runtime DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Each function and datum in its own section, so that the linker drops what
  # nothing reaches (most of the static runtime).
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
elseif(FOLVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# folvane_library(NAME [PORTABLE] SOURCES ... [DEPS ...] [SYSLIBS ...])
# A PORTABLE library has no <windows.h> and is built in both trees; any
# other library exists only in the Windows tree.
function(folvane_library name)
  cmake_parse_arguments(ARG "PORTABLE" "" "SOURCES;DEPS;SYSLIBS" ${ARGN})
  if(NOT ARG_PORTABLE AND NOT FOLVANE_WINDOWS)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${FOLVANE_SOURCE_ROOT})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(FOLVANE_WINDOWS AND ARG_SYSLIBS)
    target_link_libraries(${name} PUBLIC ${ARG_SYSLIBS})
  endif()
  folvane_warnings(${name})
endfunction()

# folvane_test(NAME [NATIVE|WINDOWS] SOURCES ... [DEPS ...] [ARGS ...] [LABELS ...]
#              [DEFINES ...] [INCLUDES ...] [RESOURCE_DEPENDS ...] [LOCKS ...] [DEPENDS ...])
# NATIVE tests are built only in the native tree, WINDOWS tests only in the
# MinGW tree (ctest runs them through Wine); without either keyword the test
# is built in both trees. DEFINES and INCLUDES are private to the test (windres
# searches the INCLUDES too), RESOURCE_DEPENDS are files the test's resource
# scripts embed, LOCKS are ctest resource locks shared with tests that touch
# the same thing, DEPENDS are targets built before the test.
# Windows programs of both trees share one X display, and tests that expect
# the foreground or the focus lose them to a window another test shows at the
# same moment: they take turns. Native tests still run beside them.
function(folvane_test_locks name)
  set(locks ${ARGN})
  if(FOLVANE_WINDOWS)
    list(APPEND locks desktop)
  endif()
  if(locks)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${locks}")
  endif()
endfunction()

function(folvane_test name)
  cmake_parse_arguments(ARG "NATIVE;WINDOWS" ""
    "SOURCES;DEPS;ARGS;LABELS;DEFINES;INCLUDES;RESOURCE_DEPENDS;LOCKS;DEPENDS" ${ARGN})
  if(ARG_NATIVE AND FOLVANE_WINDOWS)
    return()
  endif()
  if(ARG_WINDOWS AND NOT FOLVANE_WINDOWS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${FOLVANE_SOURCE_ROOT} ${ARG_INCLUDES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} folvane_gtest_main)
  if(ARG_DEFINES)
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINES})
  endif()
  if(ARG_RESOURCE_DEPENDS)
    foreach(source IN LISTS ARG_SOURCES)
      if(source MATCHES "\\.rc$")
        set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS "${ARG_RESOURCE_DEPENDS}")
      endif()
    endforeach()
  endif()
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  folvane_warnings(${name})
  add_test(NAME ${name} COMMAND ${name} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  folvane_test_locks(${name} ${ARG_LOCKS})
endfunction()

# folvane_script_test(NAME SCRIPT [ARGS ...] [LOCKS ...]): a bash script that
# drives the built programs from outside, e.g. Wine's reg.exe or the running
# program; LOCKS as for folvane_test.
function(folvane_script_test name)
  cmake_parse_arguments(ARG "" "SCRIPT" "ARGS;DEPENDS;LOCKS" ${ARGN})
  add_test(NAME ${name} COMMAND bash ${ARG_SCRIPT} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "FOLVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};FOLVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
  folvane_test_locks(${name} ${ARG_LOCKS})
endfunction()

# folvane_fuzzer(NAME SOURCES ... DEPS ... [SEEDS DIR] [MAX_LEN BYTES]): a
# libFuzzer target; configure a clang tree with -DFOLVANE_FUZZ=ON
# -DFOLVANE_TESTS=OFF to build them, or let scripts/fuzz do it. A target with
# seeds gets a test that runs it over them under the campaign's limits, and a
# line in fuzzers.list (name, program, seeds, longest input) for scripts/fuzz.
# Per input: 30 seconds, 512 MiB in one allocation, 2 GiB resident. Linear
# work on the longest input takes about a second of processor time (the limit
# is wall-clock time, and campaigns share busy machines); a quadratic path on
# a long input or an amplification does not fit.
set(FOLVANE_FUZZ_LIMITS -timeout=30 -malloc_limit_mb=512 -rss_limit_mb=2048)
function(folvane_fuzzer name)
  cmake_parse_arguments(ARG "" "SEEDS;MAX_LEN" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_MAX_LEN)
    set(ARG_MAX_LEN 65536)
  endif()
  if(ARG_SEEDS)
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SEEDS})
    add_test(NAME fuzz_seeds_${name}
      COMMAND ${name} -runs=0 -max_len=${ARG_MAX_LEN} ${FOLVANE_FUZZ_LIMITS} ${seeds})
    file(APPEND ${CMAKE_BINARY_DIR}/fuzzers.list
      "${name} ${CMAKE_CURRENT_BINARY_DIR}/${name} ${seeds} ${ARG_MAX_LEN}\n")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${FOLVANE_SOURCE_ROOT})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  folvane_warnings(${name})
endfunction()

# folvane_program(NAME SOURCES ... DEPS ...): a native tool or benchmark.
function(folvane_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${FOLVANE_SOURCE_ROOT})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  folvane_warnings(${name})
endfunction()
