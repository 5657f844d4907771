# Warnings and sanitizers live on INTERFACE targets that every target of ours links, so no
# global flags leak into the dependencies.
add_library(ql_warnings INTERFACE)
target_compile_options(ql_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough>)
# g++ 12 reports false -Wrestrict warnings inside std::string concatenation at -O2 and above
# (GCC bug 105329); no code of ours can address them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(ql_warnings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()
if(QL_WERROR)
  target_compile_options(ql_warnings INTERFACE -Werror)
endif()

add_library(ql_sanitizers INTERFACE)
if(QL_SANITIZE)
  target_compile_options(ql_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(ql_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

add_library(ql_project INTERFACE)
target_link_libraries(ql_project INTERFACE ql_warnings ql_sanitizers)

if(QL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QL_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  target_compile_options(ql_sanitizers INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(ql_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
