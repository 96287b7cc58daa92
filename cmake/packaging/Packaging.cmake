# What a release ships and how CPack packs it (scripts/package makes both):
#   Velindra-<version>-win64.zip        the portable folder
#   Velindra-<version>-win64-setup.exe  the per-user installer (NSIS.template.in)
# Both hold the files of the install rules below, nothing else. Beside them
# Manifests.cmake writes the winget and Scoop manifests of the two packages.

# ---------------------------------------------------------------- The program
# Shipped stripped; its debug information goes into velindra.exe.debug
# beside the stripped copy, which names it in a debug link, so that a crash
# address of a shipped program can still be read with the release's debug file.
set(VELINDRA_SHIP_DIR ${CMAKE_BINARY_DIR}/ship)
set(VELINDRA_SHIP_EXE ${VELINDRA_SHIP_DIR}/velindra.exe)
add_custom_command(
  OUTPUT ${VELINDRA_SHIP_EXE} ${VELINDRA_SHIP_EXE}.debug
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELINDRA_SHIP_DIR}
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:velindra> velindra.exe.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=velindra.exe.debug
          $<TARGET_FILE:velindra> velindra.exe
  WORKING_DIRECTORY ${VELINDRA_SHIP_DIR}
  DEPENDS velindra
  COMMENT "Splitting the debug information off velindra.exe"
  VERBATIM)
add_custom_target(velindra_ship ALL DEPENDS ${VELINDRA_SHIP_EXE})

# ---------------------------------------------------------------- Install rules
# The folder of language files that ship with the program: every *.lng in it
# lands beside velindra.exe; adding one needs no change here.
set(VELINDRA_SHIPPED_LANGUAGES ${CMAKE_SOURCE_DIR}/lang/shipped)
set(VELINDRA_CHM ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/velindra.chm)

configure_file(${CMAKE_SOURCE_DIR}/packaging/readme.txt.in ${CMAKE_BINARY_DIR}/packaging/readme.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/packaging/license.txt ${CMAKE_BINARY_DIR}/packaging/license.txt
               @ONLY NEWLINE_STYLE CRLF)

# A package without its help file is no package: stop, naming the tool.
if(NOT VELINDRA_CHMCMD)
  install(CODE "message(FATAL_ERROR \"velindra.chm cannot be made: the help compiler chmcmd \"
                        \"(Debian package fp-utils) is missing\")")
endif()
install(PROGRAMS ${VELINDRA_SHIP_EXE} DESTINATION .)
install(FILES ${VELINDRA_CHM} ${CMAKE_BINARY_DIR}/packaging/readme.txt
              ${CMAKE_BINARY_DIR}/packaging/license.txt
        DESTINATION .)
install(DIRECTORY ${VELINDRA_SHIPPED_LANGUAGES}/ DESTINATION . OPTIONAL
        FILES_MATCHING PATTERN "*.lng")

# ---------------------------------------------------------------- CPack
# The web site's host and the main window's class come from the program's headers.
file(STRINGS ${CMAKE_SOURCE_DIR}/model/AppIdentity.h host_line REGEX "kWebSiteHost\\[\\] = ")
string(REGEX REPLACE ".*= \"([^\"]*)\".*" "\\1" VELINDRA_WEB_SITE_HOST "${host_line}")
file(STRINGS ${CMAKE_SOURCE_DIR}/res/resource.h class_line REGEX "define VELINDRA_MAIN_WINDOW_CLASS ")
string(REGEX REPLACE ".*\"([^\"]*)\".*" "\\1" VELINDRA_MAIN_WINDOW_CLASS "${class_line}")

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME Velindra)
set(CPACK_PACKAGE_VENDOR Orrowby)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Velindra-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velindra)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
# Our NSIS.template.in instead of CPack's, and the per-generator settings.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PerGenerator.cmake)
# Read by NSIS.template.in.
set(CPACK_VELINDRA_ICON ${CMAKE_BINARY_DIR}/pictures/velindra.ico)
set(CPACK_VELINDRA_SIDE_PICTURE ${CMAKE_BINARY_DIR}/pictures/wizard.bmp)
# The installer's own texts in its eleven languages.
set(CPACK_VELINDRA_INSTALLER_TEXTS ${CMAKE_CURRENT_LIST_DIR}/InstallerTexts.nsh)
set(CPACK_VELINDRA_WINDOW_CLASS ${VELINDRA_MAIN_WINDOW_CLASS})
# The name of the uninstall entry's key, which winget knows the installed
# program by (its ProductCode) and the installer finds an earlier folder by:
# an installed Velindra is no longer recognised once it changes.
set(CPACK_VELINDRA_PRODUCT_CODE Velindra)

# ---------------------------------------------------------------- Manifests
# Where the packages can be downloaded: the winget and Scoop manifests give
# this address followed by the package's file name.
set(VELINDRA_DOWNLOAD_BASE "https://${VELINDRA_WEB_SITE_HOST}/velindra/" CACHE STRING
    "Address of the folder on the web that holds the release packages")
if(NOT VELINDRA_DOWNLOAD_BASE MATCHES "^https?://[^ \"]+$")
  message(FATAL_ERROR "VELINDRA_DOWNLOAD_BASE must be an http:// or https:// address "
                      "without blanks or quotes, not \"${VELINDRA_DOWNLOAD_BASE}\"")
endif()
string(REGEX REPLACE "/+$" "" VELINDRA_DOWNLOAD_FOLDER "${VELINDRA_DOWNLOAD_BASE}")
set(VELINDRA_DOWNLOAD_FOLDER ${VELINDRA_DOWNLOAD_FOLDER}/)
set(CPACK_VELINDRA_DOWNLOAD_FOLDER ${VELINDRA_DOWNLOAD_FOLDER})
# The pages of the program's web site that the manifests name, all over
# https: the publisher, the program, support, its licence and the notes of
# this release.
set(site https://${VELINDRA_WEB_SITE_HOST}/)
set(CPACK_VELINDRA_PUBLISHER_URL ${site})
set(CPACK_VELINDRA_PACKAGE_URL ${site}velindra/)
set(CPACK_VELINDRA_SUPPORT_URL ${site}support/)
set(CPACK_VELINDRA_LICENSE_URL ${site}velindra/license/)
set(CPACK_VELINDRA_RELEASE_NOTES_URL ${site}velindra/releases/${PROJECT_VERSION}/)
set(CPACK_VELINDRA_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/Manifests.cmake)
include(CPack)
