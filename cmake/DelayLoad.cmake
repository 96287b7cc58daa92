# Delay-loaded system libraries. A library that start-up does not need is not
# imported at load time: its functions are reached through the stubs of a
# delay-import library, and Windows loads the DLL at the first call (the
# helper comes from MinGW-w64's libdelayimp). MinGW's own import library names
# the functions; dlltool writes the delay-import library from them.
#
#   velindra_delay_import(<name>)  the interface target delay_<name> for <name>.dll
# What velindra.exe imports at load time, and why; the package test holds the
# shipped program to exactly this list.
set(VELINDRA_LOAD_TIME_IMPORTS
  KERNEL32.dll  # the process, files, the registry's neighbours, time and locale
  msvcrt.dll    # MinGW-w64's C runtime
  USER32.dll    # every window, message and menu
  GDI32.dll     # the painted parts: calendars, list, menu, pictures
  ADVAPI32.dll  # the settings in the registry
  SHELL32.dll   # the notification icon exists from the first moment of every start
  COMCTL32.dll  # the page sheet, the list's image list and the themed controls of the first window
)
# Delay-loaded (framework/CMakeLists.txt): ole32.dll, only for a picture scaled
# to a display scale above 100 % (Windows Imaging Component) and for a screen
# reader; oleacc.dll and oleaut32.dll, only when a screen reader asks for a
# window's accessible object; comdlg32.dll, only for the save dialog of the
# calendar file.

find_program(VELINDRA_NM NAMES ${TOOLCHAIN_PREFIX}-nm REQUIRED)
find_program(VELINDRA_DLLTOOL NAMES ${TOOLCHAIN_PREFIX}-dlltool REQUIRED)

function(velindra_delay_import name)
  find_library(import_${name} NAMES lib${name}.a ${name} REQUIRED)
  set(out ${CMAKE_BINARY_DIR}/delayimp/lib${name}_delay.a)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DNM=${VELINDRA_NM} -DDLLTOOL=${VELINDRA_DLLTOOL}
            -DIMPORT=${import_${name}} -DDLL=${name}.dll -DOUT=${out}
            -P ${CMAKE_SOURCE_DIR}/cmake/MakeDelayLib.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/MakeDelayLib.cmake
    COMMENT "Delay-import library for ${name}.dll")
  add_custom_target(delay_${name}_lib DEPENDS ${out})
  add_library(delay_${name} INTERFACE)
  add_dependencies(delay_${name} delay_${name}_lib)
  target_link_libraries(delay_${name} INTERFACE ${out} delayimp)
endfunction()
