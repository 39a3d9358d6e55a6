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

# Programs that act as a host (the tests) find the shipped area file in
# bin/Plugins beside them, where the DLL is too.
configure_file(${PROJECT_SOURCE_DIR}/Plugins/Q9XCup.dom
               ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Plugins/Q9XCup.dom COPYONLY)

add_subdirectory(engine)
add_subdirectory(platform/win32)
add_subdirectory(session)
add_subdirectory(ui)
add_subdirectory(plugin)
# The core the Win32 front-end builds on, as on every platform.
q9x_core_libraries(q9x_engine q9x_session q9x_records q9x_boundary q9x_views q9x_settings)
if(Q9X_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/win32)
endif()
