# Every text of the sources is translated in every language: lupdate brings copies of the .ts
# files up to date with the sources, and none may hold an unfinished text. Included by
# tests/CMakeLists.txt, this file registers the test; the test runs it as a script:
#   cmake -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder> -DLUPDATE=<lupdate> -P <this file>
if(NOT CMAKE_SCRIPT_MODE_FILE)
  add_test(NAME app.translationsfinished
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/translations-finished
            -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -P ${CMAKE_CURRENT_LIST_FILE})
  set_tests_properties(app.translationsfinished PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8"
    TIMEOUT 120)
  return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(GLOB ts_files ${SOURCE_DIR}/translations/ferlo_*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${SOURCE_DIR}/translations")
endif()
set(copies "")
foreach(ts IN LISTS ts_files)
  file(COPY ${ts} DESTINATION ${WORK_DIR})
  get_filename_component(name ${ts} NAME)
  list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCE_DIR}/src
                        -ts ${copies}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()
foreach(copy IN LISTS copies)
  file(STRINGS ${copy} unfinished REGEX "type=\"unfinished\"")
  list(LENGTH unfinished count)
  get_filename_component(name ${copy} NAME)
  if(count GREATER 0)
    message(SEND_ERROR "${name}: ${count} unfinished texts")
  else()
    message(STATUS "${name}: every text translated")
  endif()
endforeach()
