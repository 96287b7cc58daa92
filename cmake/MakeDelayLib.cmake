# cmake -DNM=... -DDLLTOOL=... -DIMPORT=<import library> -DDLL=<name.dll>
#       -DOUT=<delay library> -P MakeDelayLib.cmake
# Every function the import library names goes into a module definition, and
# dlltool writes the delay-import library for it.
execute_process(COMMAND ${NM} ${IMPORT} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not read ${IMPORT}")
endif()
string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" imports "${symbols}")
list(TRANSFORM imports REPLACE " I __imp_" "")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
list(JOIN imports "\n" exports)
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUT}.def "LIBRARY ${DLL}\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --output-delaylib ${OUT} --input-def ${OUT}.def
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${DLLTOOL} could not write ${OUT}")
endif()
