# The screenshot test starts the built program itself under Xvfb.
add_dependencies(mainwindow_tst_screenshot ferlo)
set_tests_properties(mainwindow.screenshot PROPERTIES RUN_SERIAL TRUE)
