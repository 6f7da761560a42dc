# The Symbols tab's test finds the symbol set as the program does, beside its executable: a link
# to the one the build places beside ferlo (absent in a build without the set: the test skips).
# It runs from a folder of its own, so that the other tests keep running without the set.
set_target_properties(mainwindow_tst_symboltab PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/symboltab)
add_custom_command(TARGET mainwindow_tst_symboltab POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE_DIR:ferlo>/symbols
          $<TARGET_FILE_DIR:mainwindow_tst_symboltab>/symbols)
add_dependencies(mainwindow_tst_symboltab ferlo_symbol_data)
