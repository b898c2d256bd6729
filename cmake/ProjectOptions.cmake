# Compile and link settings shared by every target of the project.

add_library(project_options INTERFACE)

if(MSVC)
  target_compile_options(project_options INTERFACE /W4 /WX /permissive- /utf-8)
else()
  target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Wold-style-cast -Woverloaded-virtual -Wnull-dereference -Werror
    # Windows structures start zeroed with only their size set: `MONITORINFO info{sizeof info};`.
    -Wno-missing-field-initializers)
endif()

if(WIN32)
  target_compile_definitions(project_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  if(MINGW)
    # Size matters: keep only what is reached, and carry no runtime DLL beside the image.
    target_compile_options(project_options INTERFACE -ffunction-sections -fdata-sections)
    target_link_options(project_options INTERFACE -static -municode -Wl,--gc-sections)
    if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
      # Link-time optimisation for the targets that ask for it (pellacord_link_time_optimisation) and for no
      # other: GCC 12 stops with an internal compiler error when it links the end-to-end driver that way.
      # Objects carry both their intermediate and their ordinary code; every other program links the latter.
      target_compile_options(project_options INTERFACE -flto -ffat-lto-objects)
      target_link_options(project_options INTERFACE $<$<NOT:$<BOOL:$<TARGET_PROPERTY:INTERPROCEDURAL_OPTIMIZATION>>>:-fno-lto>)
    endif()
  endif()
else()
  option(PELLACORD_SANITIZE "Build native code with address and undefined-behaviour sanitizers" ON)
  if(PELLACORD_SANITIZE)
    target_compile_options(project_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                     -fno-sanitize-recover=all)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

# The image header of a Windows GUI executable: subsystem and OS 6.0, 1 MiB/16 KiB stack, 1 MiB/4 KiB heap,
# ASLR, NX and terminal-server aware; the 32-bit image is not large-address aware (the linker's default there).
function(pellacord_gui_image target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  if(MINGW)
    target_link_options(${target} PRIVATE
      -s
      "LINKER:--subsystem,windows:6.0"
      "LINKER:--major-os-version,6" "LINKER:--minor-os-version,0"
      "SHELL:-Xlinker --stack -Xlinker 1048576,16384" "SHELL:-Xlinker --heap -Xlinker 1048576,4096"
      "LINKER:--dynamicbase" "LINKER:--nxcompat" "LINKER:--tsaware")
  elseif(MSVC)
    target_link_options(${target} PRIVATE
      /SUBSYSTEM:WINDOWS,6.0 /OSVERSION:6.0 /STACK:1048576,16384 /HEAP:1048576,4096
      /DYNAMICBASE /NXCOMPAT /TSAWARE /LARGEADDRESSAWARE:NO /HIGHENTROPYVA:NO /MANIFEST:NO)
  endif()
endfunction()

# The program image, and the baseline that is measured against it, are linked with link-time optimisation in the
# size-optimised MinGW builds.
function(pellacord_link_time_optimisation target)
  if(MINGW AND CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    set_target_properties(${target} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)
  endif()
endfunction()
