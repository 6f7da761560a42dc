# The translation checks open the window in each language from the translations built with the
# program.
add_dependencies(mainwindow_tst_translations ferlo_lrelease)
# The dialogs on the smallest screen the window opens on, and on one of the designed width but
# only 600 pixels high.
foreach(size 800x600 1024x600)
  string(REPLACE "x" ";" extent ${size})
  ferlo_offscreen_screen(config ${extent})
  ferlo_add_test_run(mainwindow.translations-${size} mainwindow_tst_translations
    ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" ARGS dialogsFitTheScreen)
endforeach()
