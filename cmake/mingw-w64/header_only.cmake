# Debian's header-only libraries serve the Windows build as they are, but
# only through a directory of their own: adding /usr/include itself would put
# the Linux system headers in front of mingw-w64's.
function(tunelark_header_only target directory)
  if(TARGET ${target})
    return()
  endif()
  set(root ${CMAKE_BINARY_DIR}/header-only)
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${directory})
    file(CREATE_LINK /usr/include/${directory} ${root}/${directory} SYMBOLIC)
  endif()
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${root})
endfunction()
