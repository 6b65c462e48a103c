# Runs lupdate over the program's sources into a copy of the .ts (keeping
# obsolete entries) and fails on any entry that is unfinished, vanished or
# obsolete. Variables: LUPDATE, TS, SOURCES (a list file), INCLUDE, WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -locations none -I ${INCLUDE} @${SOURCES} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${output}")
endif()
file(READ ${copy} text)
set(problems)
foreach(kind unfinished vanished obsolete)
  string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[^<]*<translation type=\"${kind}\""
         found "${text}")
  foreach(entry ${found})
    string(REGEX REPLACE "</source>.*" "" entry "${entry}")
    string(REPLACE "<source>" "" entry "${entry}")
    list(APPEND problems "${kind}: ${entry}")
  endforeach()
endforeach()
if(problems)
  list(JOIN problems "\n  " lines)
  message(FATAL_ERROR "${name} is not current; run the target update_translations and "
                      "translate:\n  ${lines}")
endif()
message(STATUS "${name}: every text of the program is translated")
