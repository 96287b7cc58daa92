# Read by cpack before each package generator runs.
if(CPACK_GENERATOR STREQUAL "NSIS")
  # The installer is named for what it is: Velindra-<version>-win64-setup.exe.
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
  # Stop with the tool's name rather than CPack's guess when it is missing.
  find_program(VELINDRA_MAKENSIS NAMES ${CPACK_NSIS_EXECUTABLE} makensis)
  if(NOT VELINDRA_MAKENSIS)
    message(FATAL_ERROR "The installer cannot be made: the NSIS compiler makensis "
                        "(Debian package nsis) is missing")
  endif()
endif()
