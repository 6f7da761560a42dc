# The translation checks open the window in each language from the translations built with the
# program.
add_dependencies(mainwindow_tst_translations ferlo_lrelease)
# The dialogs on a screen of the designed width but only 600 pixels high.
ferlo_offscreen_screen(config 1024 600)
ferlo_add_test_run(mainwindow.translations-1024x600 mainwindow_tst_translations
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" ARGS dialogsFitTheScreen)
