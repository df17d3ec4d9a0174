# The parts beside the library, each built when asked for and when its tools
# are found; a missing tool leaves its part out with a message naming the
# Debian package that brings it. The library itself never depends on them.

# Warns that a part is left out; why is the message.
function(velmora_leave_out part why)
  message(WARNING "Velmora: ${part} not built: ${why}")
endfunction()

if(VELMORA_TESTS)
  find_package(GTest QUIET)
  find_package(PkgConfig QUIET)
  if(PkgConfig_FOUND)
    pkg_check_modules(VELMORA_VTERM_PROBE QUIET vterm)
  endif()
  if(NOT GTest_FOUND)
    velmora_leave_out("the tests" "GoogleTest not found (Debian: libgtest-dev)")
  elseif(NOT VELMORA_VTERM_PROBE_FOUND)
    velmora_leave_out("the tests" "libvterm not found through pkg-config (Debian: libvterm-dev, pkg-config)")
  else()
    enable_testing()
    add_subdirectory(tests)
  endif()
endif()

if(VELMORA_EXAMPLES)
  add_subdirectory(examples)
endif()

if(VELMORA_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    add_subdirectory(bench)
  else()
    velmora_leave_out("the benchmarks" "Google Benchmark not found (Debian: libbenchmark-dev)")
  endif()
endif()

if(VELMORA_DOCS)
  find_package(Doxygen QUIET)
  if(DOXYGEN_FOUND)
    include(cmake/Doc.cmake)
  else()
    message(STATUS "Velmora: no doc target: Doxygen not found (Debian: doxygen)")
  endif()
endif()
