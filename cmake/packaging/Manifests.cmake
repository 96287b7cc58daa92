# Run by cpack after each package it makes (CPACK_POST_BUILD_SCRIPTS): writes
# that package's manifest, from the templates beside this file, into
# packages/manifests/:
#   winget/Orrowby.Velindra.yaml, .installer.yaml, .locale.en-US.yaml  (the installer)
#   scoop/velindra.json                                                 (the zip)
# Each gives the package's address (VELINDRA_DOWNLOAD_BASE followed by its
# file name) and its SHA-256; what they say of the program comes from its own
# files: the version record, the read-me and the licence.

set(WINGET_SCHEMA 1.10.0)
set(LOCALE en-US)

# Text as a string in double quotes, for YAML and JSON alike.
function(quoted out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# ---------------------------------------------------------------- The program
set(source ${CPACK_VELINDRA_SOURCE_DIR})
set(ID ${CPACK_PACKAGE_VENDOR}.${CPACK_PACKAGE_NAME})
set(VERSION ${CPACK_PACKAGE_VERSION})
quoted(QUOTED_VERSION ${VERSION}) # YAML would read 1.2 as a number
foreach(page PUBLISHER PACKAGE SUPPORT LICENSE RELEASE_NOTES)
  set(${page}_URL ${CPACK_VELINDRA_${page}_URL})
endforeach()
string(TOLOWER ${CPACK_PACKAGE_NAME} MONIKER)
quoted(PUBLISHER ${CPACK_PACKAGE_VENDOR})
quoted(NAME ${CPACK_PACKAGE_NAME})
quoted(PRODUCT_CODE ${CPACK_VELINDRA_PRODUCT_CODE})
quoted(INSTALL_LOCATION "%LocalAppData%\\Programs\\${CPACK_PACKAGE_INSTALL_DIRECTORY}")

# The one line of the version record's comment, and the read-me's first paragraph.
file(STRINGS ${source}/res/velindra.rc line REGEX "VALUE \"Comments\"")
string(REGEX REPLACE ".*\"Comments\", \"([^\"]*)\".*" "\\1" summary "${line}")
quoted(SUMMARY "${summary}")
file(READ ${source}/packaging/readme.txt.in readme)
if(NOT readme MATCHES "\n=+\n\n(([^\n]+\n)+)\n")
  message(FATAL_ERROR "packaging/readme.txt.in has no paragraph below its title")
endif()
string(STRIP "${CMAKE_MATCH_1}" description)
string(REPLACE "\n" " " description "${description}")
quoted(DESCRIPTION "${description}")

# The licence's name from its first line ("MIT License"), and its copyright line.
file(STRINGS ${source}/packaging/license.txt license LIMIT_COUNT 1)
string(REGEX REPLACE " License$" "" license "${license}")
quoted(LICENSE "${license}")
file(STRINGS ${source}/packaging/license.txt copyright REGEX "^Copyright " LIMIT_COUNT 1)
quoted(COPYRIGHT "${copyright}")

# ---------------------------------------------------------------- The packages
set(out ${CPACK_PACKAGE_DIRECTORY}/manifests)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(file_name ${package} NAME)
  set(URL ${CPACK_VELINDRA_DOWNLOAD_FOLDER}${file_name})
  file(SHA256 ${package} SHA256)
  if(file_name MATCHES "-setup\\.exe$")
    string(TOUPPER ${SHA256} SHA256)
    file(REMOVE_RECURSE ${out}/winget)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/winget.version.yaml.in
                   ${out}/winget/${ID}.yaml @ONLY NEWLINE_STYLE UNIX)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/winget.installer.yaml.in
                   ${out}/winget/${ID}.installer.yaml @ONLY NEWLINE_STYLE UNIX)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/winget.locale.yaml.in
                   ${out}/winget/${ID}.locale.${LOCALE}.yaml @ONLY NEWLINE_STYLE UNIX)
    message(STATUS "winget manifest of ${file_name}: ${out}/winget")
  elseif(file_name MATCHES "\\.zip$")
    # The zip holds one folder, named as the zip.
    string(REGEX REPLACE "\\.zip$" "" TOP_FOLDER ${file_name})
    # Scoop finds a newer zip in the download folder by its name and makes
    # its address and folder from this one's with the version replaced.
    string(REPLACE "." "\\." pattern "${file_name}")
    string(REPLACE "${VERSION}" "$version" AUTOUPDATE_URL "${URL}")
    string(REPLACE "${VERSION}" "$version" AUTOUPDATE_FOLDER "${TOP_FOLDER}")
    string(REPLACE "." "\\." version_pattern "${VERSION}")
    string(REPLACE "${version_pattern}" "([\\d.]+)" pattern "${pattern}")
    quoted(CHECKVER_REGEX "${pattern}")
    file(REMOVE_RECURSE ${out}/scoop)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/scoop.json.in
                   ${out}/scoop/${MONIKER}.json @ONLY NEWLINE_STYLE UNIX)
    message(STATUS "Scoop manifest of ${file_name}: ${out}/scoop/${MONIKER}.json")
  endif()
endforeach()
