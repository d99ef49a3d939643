# The libFuzzer target of the settings readers, built natively with clang under ASan and
# UBSan. scripts/lib/fuzz.sh configures a build with EVENKEEPER_FUZZ=ON and runs it.
option(EVENKEEPER_FUZZ "Build the libFuzzer target of the settings readers (native clang)" OFF)
if(NOT EVENKEEPER_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR WIN32)
  message(FATAL_ERROR "EVENKEEPER_FUZZ needs a native clang build (-DCMAKE_CXX_COMPILER=clang++)")
endif()

set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
# The core is instrumented for coverage too, so that the fuzzer sees its branches.
target_compile_options(evenkeeper_core PRIVATE -fsanitize=fuzzer-no-link ${FUZZ_SANITIZERS})

add_executable(evenkeeper_settings_fuzzer fuzz/SettingsFuzzer.cpp
  tests/store/MemoryFileSystem.cpp tests/store/StoreFakes.cpp tests/support/Recorders.cpp)
target_include_directories(evenkeeper_settings_fuzzer PRIVATE
  ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/store)
target_compile_options(evenkeeper_settings_fuzzer PRIVATE -fsanitize=fuzzer ${FUZZ_SANITIZERS})
target_link_options(evenkeeper_settings_fuzzer PRIVATE -fsanitize=fuzzer ${FUZZ_SANITIZERS})
target_link_libraries(evenkeeper_settings_fuzzer PRIVATE evenkeeper_core)
