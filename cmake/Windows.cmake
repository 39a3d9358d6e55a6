# The Windows build's targets, included by the top-level CMakeLists.txt when
# the toolchain (cmake/mingw-i686.cmake) targets Windows. Test programs run
# under Wine on a prefix of this build folder's own (scripts/wine-run.sh), so
# that two build folders, or a test and the user's own Wine, never share one.
set(CMAKE_AUTOMOC OFF)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh ${PROJECT_BINARY_DIR}/wine-prefix)
endif()

add_subdirectory(engine)
add_subdirectory(platform/win32)
if(Q9X_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/win32)
endif()
