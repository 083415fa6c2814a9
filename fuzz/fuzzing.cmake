# Included before the core is defined: with ZG_FUZZ on and a compiler whose
# fuzzer runtime works, the core is built instrumented for the fuzz targets.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer")
check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
]] ZG_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)

if(ZG_HAVE_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
else()
  message(STATUS "Fuzz targets skipped: ${CMAKE_CXX_COMPILER_ID} has no working -fsanitize=fuzzer (needs clang and its fuzzer runtime)")
endif()
