# It draws the same pages through Qt's printer, which the export itself does not link.
target_link_libraries(app_tst_commandline PRIVATE Qt6::PrintSupport)
# --version answers without a display: the built program, with no platform and no display set.
add_test(NAME app.version COMMAND sh -c
  "out=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \"$0\" --version) && test \"$out\" = \"ferlo ${PROJECT_VERSION}\""
  $<TARGET_FILE:ferlo>)
# openpty, for the progress shown on a terminal.
target_link_libraries(app_tst_commandline PRIVATE util)
