# The symbols: the OpenMoji set (colour and line-art SVGs, fetched by scripts/fetch-symbols), the
# index of their names and keywords in the program's languages, built here from the set's table
# and the Unicode CLDR (Debian unicode-cldr-core, needed at build time only), and the library that
# searches them. Beside the executable the build places symbols/openmoji/{color,black}/<HEX>.svg
# and symbols/openmoji.index, as the translations are placed; installed, they are in
# share/ferlo/symbols with the set's licence and attribution. A build without the set works; the
# program then says that the set is missing.
set(FERLO_OPENMOJI_DIR "${PROJECT_SOURCE_DIR}/.deps/openmoji-17.0.0" CACHE PATH
    "The unpacked OpenMoji package (scripts/fetch-symbols)")
set(FERLO_CLDR_DIR "/usr/share/unicode/cldr/common" CACHE PATH
    "The Unicode CLDR's common folder, whose annotations name the symbols in other languages")

# Folding words for search and building the index: Qt Core alone, shared by the build tool and
# the library.
add_library(ferlo_symbolindex STATIC symbols/SymbolText.cpp symbols/SymbolText.h
  symbols/SymbolIndexBuilder.cpp symbols/SymbolIndexBuilder.h symbols/SymbolIndexFormat.h)
ferlo_layer_view(ferlo_symbolindex symbols)
target_link_libraries(ferlo_symbolindex PUBLIC Qt6::Core)

add_executable(ferlo-symbol-index ${PROJECT_SOURCE_DIR}/tools/symbolindex/ferlo-symbol-index.cpp)
target_link_libraries(ferlo-symbol-index PRIVATE ferlo_symbolindex)
ferlo_layer_view(ferlo-symbol-index symbols)

file(GLOB FERLO_SYMBOLS_SOURCES CONFIGURE_DEPENDS symbols/*.cpp symbols/*.h)
list(REMOVE_ITEM FERLO_SYMBOLS_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/symbols/SymbolText.cpp ${CMAKE_CURRENT_SOURCE_DIR}/symbols/SymbolText.h
  ${CMAKE_CURRENT_SOURCE_DIR}/symbols/SymbolIndexBuilder.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/symbols/SymbolIndexBuilder.h
  ${CMAKE_CURRENT_SOURCE_DIR}/symbols/SymbolIndexFormat.h)
add_library(ferlo_symbols STATIC ${FERLO_SYMBOLS_SOURCES})
ferlo_layer_view(ferlo_symbols symbols pictures storage layout)
target_link_libraries(ferlo_symbols PUBLIC ferlo_symbolindex ferlo_pictures ferlo_storage Qt6::Core Qt6::Gui
  Qt6::Svg)

set(FERLO_SYMBOLS_BUILD_DIR ${CMAKE_CURRENT_BINARY_DIR}/symbols)
add_custom_target(ferlo_symbol_data)
if(EXISTS "${FERLO_OPENMOJI_DIR}/data/openmoji.csv")
  set(languages en ${FERLO_LANGUAGES})
  if(EXISTS "${FERLO_CLDR_DIR}/annotations/en.xml")
    set(cldr "${FERLO_CLDR_DIR}")
    set(cldr_files "")
    foreach(language IN LISTS languages)
      list(APPEND cldr_files "${FERLO_CLDR_DIR}/annotations/${language}.xml")
      if(EXISTS "${FERLO_CLDR_DIR}/annotationsDerived/${language}.xml")
        list(APPEND cldr_files "${FERLO_CLDR_DIR}/annotationsDerived/${language}.xml")
      endif()
    endforeach()
  else()
    message(STATUS "Unicode CLDR annotations not found in ${FERLO_CLDR_DIR} (Debian "
      "unicode-cldr-core): the symbols are searched in English only")
    set(cldr "-")
    set(cldr_files "")
  endif()
  add_custom_command(OUTPUT ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.index
    COMMAND ${CMAKE_COMMAND} -E make_directory ${FERLO_SYMBOLS_BUILD_DIR}
    COMMAND ferlo-symbol-index ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.index
            "${FERLO_OPENMOJI_DIR}/data/openmoji.csv" "${cldr}" ${languages}
    DEPENDS ferlo-symbol-index "${FERLO_OPENMOJI_DIR}/data/openmoji.csv" ${cldr_files}
    COMMENT "Building the symbol index" VERBATIM)
  # The SVGs, copied once (and again when the set is fetched anew).
  add_custom_command(OUTPUT ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${FERLO_SYMBOLS_BUILD_DIR}/openmoji
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${FERLO_OPENMOJI_DIR}/color/svg"
            ${FERLO_SYMBOLS_BUILD_DIR}/openmoji/color
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${FERLO_OPENMOJI_DIR}/black/svg"
            ${FERLO_SYMBOLS_BUILD_DIR}/openmoji/black
    COMMAND ${CMAKE_COMMAND} -E copy "${FERLO_OPENMOJI_DIR}/LICENSE.txt"
            ${PROJECT_SOURCE_DIR}/data/symbols/ATTRIBUTION.txt ${FERLO_SYMBOLS_BUILD_DIR}/openmoji
    COMMAND ${CMAKE_COMMAND} -E touch ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.stamp
    DEPENDS "${FERLO_OPENMOJI_DIR}/.complete" ${PROJECT_SOURCE_DIR}/data/symbols/ATTRIBUTION.txt
    COMMENT "Placing the OpenMoji symbols beside the program" VERBATIM)
  add_custom_target(ferlo_symbol_files ALL
    DEPENDS ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.index ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.stamp)
  add_dependencies(ferlo_symbol_data ferlo_symbol_files)
  install(FILES ${FERLO_SYMBOLS_BUILD_DIR}/openmoji.index
          DESTINATION ${CMAKE_INSTALL_DATADIR}/ferlo/symbols)
  install(DIRECTORY "${FERLO_OPENMOJI_DIR}/color/svg/"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/ferlo/symbols/openmoji/color)
  install(DIRECTORY "${FERLO_OPENMOJI_DIR}/black/svg/"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/ferlo/symbols/openmoji/black)
  install(FILES "${FERLO_OPENMOJI_DIR}/LICENSE.txt" ${PROJECT_SOURCE_DIR}/data/symbols/ATTRIBUTION.txt
          DESTINATION ${CMAKE_INSTALL_DATADIR}/ferlo/symbols/openmoji)
else()
  message(STATUS "OpenMoji not found in ${FERLO_OPENMOJI_DIR} (scripts/fetch-symbols): the "
    "program is built without symbols")
endif()
