# The Symbols tab's test finds the symbol set as the program does, beside its executable: a link
# to the one the build places beside ferlo (absent in a build without the set: the test skips).
add_custom_command(TARGET mainwindow_tst_symboltab POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE_DIR:ferlo>/symbols
          $<TARGET_FILE_DIR:mainwindow_tst_symboltab>/symbols)
add_dependencies(mainwindow_tst_symboltab ferlo_symbol_data)
