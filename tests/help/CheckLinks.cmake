# The built help file, as the build unpacked it (-DCONTENTS=<folder>): every
# link and picture of its topics and every entry of its contents and index
# leads to a file inside it, and full-text search and the keyword index are
# built. Addresses outside (http:, https:, mailto:) and anchors are not
# followed.
if(NOT EXISTS "${CONTENTS}/overview.htm")
  message(FATAL_ERROR "no unpacked help file in ${CONTENTS}")
endif()
set(faults "")

macro(check_target from target)
  if(NOT "${target}" MATCHES "^(https?:|mailto:|#)")
    string(REGEX REPLACE "#.*$" "" file "${target}")
    get_filename_component(folder "${CONTENTS}/${from}" DIRECTORY)
    if(NOT EXISTS "${folder}/${file}" OR IS_DIRECTORY "${folder}/${file}")
      list(APPEND faults "${from} -> ${target}")
    endif()
  endif()
endmacro()

file(GLOB_RECURSE topics RELATIVE "${CONTENTS}" "${CONTENTS}/*.htm")
foreach(topic IN LISTS topics)
  file(READ "${CONTENTS}/${topic}" text)
  string(REGEX MATCHALL "(href|src)[ \t\r\n]*=[ \t\r\n]*\"[^\"]*\"" links "${text}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\"$" "\\1" target "${link}")
    check_target("${topic}" "${target}")
  endforeach()
endforeach()

foreach(list velindra.hhc velindra.hhk)
  file(READ "${CONTENTS}/${list}" text)
  string(REGEX MATCHALL "name[ \t]*=[ \t]*\"Local\"[ \t\r\n]+value[ \t]*=[ \t]*\"[^\"]*\""
         entries "${text}")
  list(LENGTH entries count)
  if(count LESS 6)
    list(APPEND faults "${list}: ${count} entries")
  endif()
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^.*\"([^\"]*)\"$" "\\1" target "${entry}")
    check_target("${list}" "${target}")
  endforeach()
endforeach()

foreach(built "$FIftiMain" "$WWKeywordLinks/BTree")
  if(NOT EXISTS "${CONTENTS}/${built}")
    list(APPEND faults "not built: ${built}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "the help file leads nowhere:\n  ${listed}")
endif()
list(LENGTH topics count)
message(STATUS "${count} topics, every link inside")
