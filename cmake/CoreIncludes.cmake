# Checks that the core's sources use the C++ standard library and core headers
# only: no toolkit, no operating system header, no compiler builtin. A folder
# named for a toolkit or platform (qt/, win32/) inside a core folder is the
# front-end's and is skipped.
#
#   cmake -DSOURCE_DIR=<root> "-DFOLDERS=<folders checked>" "-DCORE=<core folders>"
#         -P CoreIncludes.cmake

cmake_minimum_required(VERSION 3.25)

set(standard_headers
  algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
  climits clocale cmath compare concepts condition_variable cstddef cstdint cstdio cstdlib
  cstring ctime cwchar cwctype deque exception execution filesystem format forward_list
  fstream functional initializer_list iomanip ios iosfwd iostream istream iterator limits
  list locale map memory memory_resource mutex new numbers numeric optional ostream queue
  random ranges ratio regex scoped_allocator set shared_mutex source_location span sstream
  stack stdexcept stop_token streambuf string string_view system_error thread tuple
  type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant
  vector version
  # The C library's own names, for the public C header.
  stddef.h stdint.h)
set(front_end_folders qt win32)

set(faults "")
foreach(folder IN LISTS FOLDERS)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    set(skip FALSE)
    foreach(front_end IN LISTS front_end_folders)
      if(source MATCHES "/${front_end}/")
        set(skip TRUE)
      endif()
    endforeach()
    if(skip)
      continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} lines)
    foreach(line IN LISTS lines)
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
        if(NOT CMAKE_MATCH_1 IN_LIST standard_headers)
          list(APPEND faults "${source}: <${CMAKE_MATCH_1}> is not a standard C++ header")
        endif()
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(header ${CMAKE_MATCH_1})
        string(REGEX MATCH "^[^/]+" header_folder "${header}")
        if(NOT header MATCHES "/" AND EXISTS ${SOURCE_DIR}/${source}/../${header})
          # a header beside the source
        elseif(NOT header_folder IN_LIST CORE OR header MATCHES "/(qt|win32)/")
          list(APPEND faults "${source}: \"${header}\" is not a core header")
        endif()
      endif()
      if(line MATCHES "__builtin")
        list(APPEND faults "${source}: uses a compiler builtin")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "The core must use the standard library and core headers only:\n${text}")
endif()
