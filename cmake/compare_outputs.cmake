# Runs two commands and fails unless they write the same bytes; on a
# difference it names the first line that differs, with both versions.
#   cmake -DFIRST=<command> -DSECOND=<command> -DOUT=<folder> -P compare_outputs.cmake
# A command is a list: its program, then its arguments. MISSING, if given,
# is the one line said when the first command's program is not there.
list(GET FIRST 0 first_program)
if(DEFINED MISSING AND NOT EXISTS "${first_program}")
  message(FATAL_ERROR "${MISSING}")
endif()
execute_process(COMMAND ${FIRST} OUTPUT_FILE ${OUT}/first.txt RESULT_VARIABLE first_status)
execute_process(COMMAND ${SECOND} OUTPUT_FILE ${OUT}/second.txt RESULT_VARIABLE second_status)
if(NOT first_status EQUAL 0 OR NOT second_status EQUAL 0)
  message(FATAL_ERROR "exit status ${first_status} of: ${FIRST}\n"
                      "exit status ${second_status} of: ${SECOND}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/first.txt ${OUT}/second.txt
                RESULT_VARIABLE differ)
file(STRINGS ${OUT}/first.txt first)
list(LENGTH first count)
if(differ)
  file(STRINGS ${OUT}/second.txt second)
  list(LENGTH second second_count)
  if(NOT count EQUAL second_count)
    message(FATAL_ERROR "${count} lines from ${FIRST}, ${second_count} from ${SECOND}")
  endif()
  foreach(i RANGE ${count})
    list(GET first ${i} a)
    list(GET second ${i} b)
    if(NOT a STREQUAL b)
      message(FATAL_ERROR "line ${i} differs (line 0 is the fused multiply-add check):\n"
                          "  ${FIRST}:\n    ${a}\n  ${SECOND}:\n    ${b}")
    endif()
  endforeach()
endif()
message(STATUS "both wrote the same ${count} lines")
