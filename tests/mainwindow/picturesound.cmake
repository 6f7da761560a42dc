# The end-to-end sound test records everything that reaches the test server's null sink, so no
# other test may play sound meanwhile.
set_tests_properties(mainwindow.picturesound PROPERTIES RUN_SERIAL TRUE)
