# Each library shows the targets that link it its own headers and nothing
# else. Sources include headers by their path in the source tree
# ("engine/Text.h"); a target finds them through a folder in the build tree
# that holds links to exactly the folders or files it names here, so a header
# of a layer that a target does not link is not found at all.

# The target's folder of links to the given source paths.
function(q9x_header_folder target out)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  foreach(path IN LISTS ARGN)
    set(link ${root}/${path})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${link})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${link} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# A library's headers, for itself and every target that links it.
#   q9x_public_headers(<target> <folder or file relative to the source root>...)
function(q9x_public_headers target)
  q9x_header_folder(${target} root ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# Headers a program or test uses from its own folder only.
#   q9x_private_headers(<target> <folder or file relative to the source root>...)
function(q9x_private_headers target)
  q9x_header_folder(${target} root ${ARGN})
  target_include_directories(${target} PRIVATE ${root})
endfunction()

# Fails the configuration when a core library links, directly or through
# another library, anything of Qt.
#   q9x_core_libraries(<target>...)
function(q9x_core_libraries)
  set(pending ${ARGN})
  set(seen "")
  while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST seen OR NOT TARGET ${target})
      continue()
    endif()
    list(APPEND seen ${target})
    if(target MATCHES "^Qt[0-9]*::")
      message(FATAL_ERROR "A core library links ${target}: the core is the standard library only")
    endif()
    get_target_property(type ${target} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${target} LINK_LIBRARIES)
    endif()
    get_target_property(interface_links ${target} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface_links)
      if(link AND NOT link MATCHES "NOTFOUND$" AND NOT link MATCHES "^\\$<")
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
endfunction()
