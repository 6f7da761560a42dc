# The install tree: `cmake --install` into a scratch prefix, then the desktop entry, the AppStream
# metainfo and the manual page are checked with the tools a distribution checks them with.
# Included by tests/CMakeLists.txt, this file registers the test; the test runs it as a script:
#   cmake -DBINARY_DIR=<build tree> -DPREFIX=<scratch prefix> -P install.cmake
if(NOT CMAKE_SCRIPT_MODE_FILE)
  add_test(NAME install.tree
    COMMAND ${CMAKE_COMMAND} -DBINARY_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-tree -P ${CMAKE_CURRENT_LIST_FILE})
  set_tests_properties(install.tree PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8" TIMEOUT 300)
  return()
endif()

set(id org.ferlo.Ferlo)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BINARY_DIR} failed: ${result}")
endif()

set(expected
  bin/ferlo
  share/applications/${id}.desktop
  share/metainfo/${id}.metainfo.xml
  share/icons/hicolor/scalable/apps/${id}.svg
  share/man/man1/ferlo.1
  share/doc/ferlo/README.TXT)
foreach(language de es fr ar)
  list(APPEND expected share/doc/ferlo/README.${language}.TXT)
endforeach()
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(language de es fr ar)
  list(APPEND expected share/ferlo/translations/ferlo_${language}.qm)
endforeach()
# The symbol set, when the build has it: its index, both drawings of a symbol, its licence.
if(EXISTS ${BINARY_DIR}/src/symbols/openmoji.index)
  list(APPEND expected share/ferlo/symbols/openmoji.index
    share/ferlo/symbols/openmoji/color/1F415.svg share/ferlo/symbols/openmoji/black/1F415.svg
    share/ferlo/symbols/openmoji/LICENSE.txt share/ferlo/symbols/openmoji/ATTRIBUTION.txt)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(SEND_ERROR "missing from the install tree: ${file}")
  endif()
endforeach()

# The menu entry must start the installed program and show the installed icon.
file(STRINGS ${PREFIX}/share/applications/${id}.desktop exec REGEX "^Exec=")
file(STRINGS ${PREFIX}/share/applications/${id}.desktop icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=ferlo %F" OR NOT icon STREQUAL "Icon=${id}")
  message(SEND_ERROR "the desktop entry starts '${exec}' with '${icon}'")
endif()

# The menu entry offers the program for exactly the picture types it reads: the MIME types of the
# table of picture formats, in its order, each once.
file(STRINGS ${SOURCE_DIR}/src/pictures/PictureFormats.def rows REGEX "^FERLO_PICTURE_FORMAT\\(")
set(types "")
foreach(row IN LISTS rows)
  string(REGEX REPLACE ".*\"([^\"]+)\"\\)$" "\\1" type "${row}")
  list(APPEND types ${type})
endforeach()
list(REMOVE_DUPLICATES types)
list(JOIN types ";" types)
file(READ ${PREFIX}/share/applications/${id}.desktop entry)
string(REGEX MATCH "MimeType=[^\n]*" mime "${entry}")
if(types STREQUAL "" OR NOT mime STREQUAL "MimeType=${types};")
  message(SEND_ERROR "the desktop entry's '${mime}' is not the picture formats' 'MimeType=${types};'")
endif()

# The software centre's description names every picture type the program reads: each MIME
# subtype of the table (JPEG, WebP, HEIF ...) in the English text of the installed metainfo.
file(READ ${PREFIX}/share/metainfo/${id}.metainfo.xml metainfo)
string(REGEX REPLACE "<(p|li) xml:lang=[^>]*>[^<]*</(p|li)>" "" english "${metainfo}")
string(REGEX MATCH "<description>.*</description>" english "${english}")
string(TOLOWER "${english}" english)
foreach(type IN LISTS types)
  string(REGEX REPLACE "^image/" "" subtype "${type}")
  string(FIND "${english}" "${subtype}" at)
  if(at LESS 0)
    message(SEND_ERROR "the metainfo's description does not name the picture type ${subtype}")
  endif()
endforeach()

function(check what)
  find_program(tool ${ARGV1} NO_CACHE)
  if(NOT tool)
    message(FATAL_ERROR "${ARGV1} is not installed (scripts/setup installs it)")
  endif()
  list(SUBLIST ARGN 1 -1 arguments)
  execute_process(COMMAND ${tool} ${arguments} RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(what STREQUAL "manual page")
    set(out "") # the formatted page itself
  endif()
  list(JOIN arguments " " shown)
  message(STATUS "${what}: ${ARGV1} ${shown} -> ${result}\n${out}${err}")
  # The manual page formatter reports its warnings on stderr and still exits 0.
  if(NOT result EQUAL 0 OR (what STREQUAL "manual page" AND NOT err STREQUAL ""))
    message(SEND_ERROR "${what} does not pass ${ARGV1}")
  endif()
endfunction()

check("desktop entry" desktop-file-validate ${PREFIX}/share/applications/${id}.desktop)
check("metainfo" appstreamcli validate --no-net ${PREFIX}/share/metainfo/${id}.metainfo.xml)
check("manual page" man --warnings -E UTF-8 -l -Tutf8 -Z ${PREFIX}/share/man/man1/ferlo.1)

# The installed program finds its translations in the prefix it is installed in: a language it
# has is taken without a word, one it lacks is named on standard error.
foreach(language de xx)
  execute_process(COMMAND ${PREFIX}/bin/ferlo --lang ${language} --version RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${err}" "no translation" at)
  set(named FALSE)
  if(at GREATER_EQUAL 0)
    set(named TRUE)
  endif()
  set(lacking FALSE)
  if(language STREQUAL "xx")
    set(lacking TRUE)
  endif()
  if(NOT result EQUAL 0 OR NOT named STREQUAL lacking)
    message(SEND_ERROR "the installed ferlo --lang ${language}: ${result} '${err}'")
  endif()
endforeach()
