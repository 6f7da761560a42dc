# The language tests load the translations built with the program.
add_dependencies(app_tst_languages ferlo_lrelease)
