# The portable zip holds one folder, named as the zip, with exactly the
# program, its help, the shipped language files, the read-me and the licence;
# the program in it is stripped and names its debug file, and it imports at
# load time exactly the libraries start-up needs (the rest is delay-loaded).
#   cmake -DZIP=<zip> -DLANGUAGES=<shipped language folder> -DOBJDUMP=<objdump>
#         -DIMPORTS=<DLL names> -DWORK=<scratch folder> -P CheckZip.cmake
string(REGEX REPLACE "\\.zip$" "" top "${ZIP}")
get_filename_component(top ${top} NAME)

file(GLOB languages RELATIVE ${LANGUAGES} ${LANGUAGES}/*.lng)
set(expected license.txt readme.txt velindra.chm velindra.exe ${languages})
list(TRANSFORM expected PREPEND ${top}/)
list(SORT expected)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${WORK} ${WORK}/*)
list(SORT found)
if(NOT found STREQUAL expected)
  string(REPLACE ";" "\n  " found "${found}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "${ZIP} holds\n  ${found}\ninstead of\n  ${expected}")
endif()

execute_process(COMMAND ${OBJDUMP} -h ${WORK}/${top}/velindra.exe OUTPUT_VARIABLE sections)
if(sections MATCHES "\\.debug_" OR NOT sections MATCHES "\\.gnu_debuglink")
  message(FATAL_ERROR "velindra.exe in ${ZIP} is not stripped with a debug link:\n${sections}")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${WORK}/${top}/velindra.exe OUTPUT_VARIABLE headers)
string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${headers}")
list(TRANSFORM imported REPLACE "DLL Name: " "")
list(SORT imported CASE INSENSITIVE)
list(SORT IMPORTS CASE INSENSITIVE)
if(NOT imported STREQUAL IMPORTS)
  message(FATAL_ERROR "velindra.exe imports ${imported} at load time instead of ${IMPORTS}")
endif()
file(REMOVE_RECURSE ${WORK})
message(STATUS "${ZIP}: ${found}")
