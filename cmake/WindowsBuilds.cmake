# The two cross builds of the same sources, as sub-builds of this native tree, so that one configure, one build
# and one ctest cover everything: win32 is the shipped image, win64 the one the end-to-end suite drives.
include(ExternalProject)

foreach(arch IN ITEMS i686 x86_64)
  if(arch STREQUAL "i686")
    set(build win32)
  else()
    set(build win64)
  endif()
  ExternalProject_Add(${build}
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${PROJECT_BINARY_DIR}/${build}"
    CMAKE_ARGS
      "-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${arch}.cmake"
      -DCMAKE_BUILD_TYPE=MinSizeRel
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  set(PELLACORD_${build}_DIR "${PROJECT_BINARY_DIR}/${build}")
endforeach()
