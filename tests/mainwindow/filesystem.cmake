# Left presses open sound files but must play nothing: no sound server for this test.
set_property(TEST mainwindow.filesystem APPEND PROPERTY ENVIRONMENT
  "PULSE_SERVER=unix:/nonexistent/ferlo-pulse/native")
