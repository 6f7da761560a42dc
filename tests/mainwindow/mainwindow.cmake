# Recording plays a word into the test server and records it from the null sink's monitor.
set_tests_properties(mainwindow.recording PROPERTIES RUN_SERIAL TRUE)
