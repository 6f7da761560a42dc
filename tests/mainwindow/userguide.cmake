# The guide's check opens the window in each language from the translations built with the
# program.
add_dependencies(mainwindow_tst_userguide ferlo_lrelease)
