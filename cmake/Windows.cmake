# The Windows build's targets, included by the top-level CMakeLists.txt when
# the toolchain (cmake/mingw-i686.cmake) targets Windows. Test programs run
# under Wine on a prefix of this build folder's own (scripts/wine-run.sh), so
# that two build folders, or a test and the user's own Wine, never share one.
set(CMAKE_AUTOMOC OFF)
# The example host of the host guide is in C.
enable_language(C)
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

# The package for Windows users: the DLL, the area file in Plugins\ and the
# install note, zipped as a user unpacks it into the logger's folder.
set(Q9X_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/q9xcup-win32.zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${Q9X_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${Q9X_PACKAGE_DIR}/Plugins
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:q9xcup> ${Q9X_PACKAGE_DIR}/q9xcup.dll
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/Plugins/Q9XCup.dom ${Q9X_PACKAGE_DIR}/Plugins/Q9XCup.dom
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/win32/INSTALL.txt ${Q9X_PACKAGE_DIR}/INSTALL.txt
  COMMAND ${CMAKE_COMMAND} -E chdir ${Q9X_PACKAGE_DIR} ${CMAKE_COMMAND} -E tar cf
          ${PROJECT_BINARY_DIR}/q9xcup-win32.zip --format=zip q9xcup.dll Plugins/Q9XCup.dom INSTALL.txt
  DEPENDS q9xcup ${PROJECT_SOURCE_DIR}/Plugins/Q9XCup.dom ${PROJECT_SOURCE_DIR}/packaging/win32/INSTALL.txt
  COMMENT "Packing q9xcup-win32.zip")
add_custom_target(q9xcup_win32_zip ALL DEPENDS ${PROJECT_BINARY_DIR}/q9xcup-win32.zip)
