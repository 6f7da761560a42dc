# The translation checks open the window in each language from the translations built with the
# program.
add_dependencies(mainwindow_tst_translations ferlo_lrelease)
