# Unpacks the Windows package into an empty folder, checks what it holds,
# puts a test host beside it and runs the host there.
#   cmake -DZIP=<zip> -DHOST=<host.exe> -DFOLDER=<folder> -DRUN=<runner;args> -P PackageTest.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${ZIP} cannot be unpacked")
endif()
file(GLOB_RECURSE held RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT held)
set(expected INSTALL.txt Plugins/Q9XCup.dom q9xcup.dll)
if(NOT held STREQUAL expected)
  message(FATAL_ERROR "The package holds\n  ${held}\nexpected\n  ${expected}")
endif()
file(COPY ${HOST} DESTINATION ${FOLDER})
get_filename_component(host ${HOST} NAME)
execute_process(COMMAND ${RUN} ${FOLDER}/${host} WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The host beside the unpacked package failed")
endif()
