# Start-up is checked on screens of several widths: each run gets an offscreen screen of its own.
# The plain run is the offscreen platform's own 800-pixel screen.
set_property(TEST mainwindow.startup APPEND PROPERTY ENVIRONMENT "FERLO_TEST_SCREEN_WIDTH=800")
foreach(width 640 900 1024 1366)
  ferlo_offscreen_screen(config ${width} 768)
  ferlo_add_test_run(mainwindow.startup-${width} mainwindow_tst_startup
    ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" "FERLO_TEST_SCREEN_WIDTH=${width}")
endforeach()
# A 1920x1080 screen at scale 2 (960x540 logical pixels), where the designed window does not fit.
ferlo_offscreen_screen(config 1920 1080)
ferlo_add_test_run(mainwindow.startup-1920-scale2 mainwindow_tst_startup
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" "QT_SCALE_FACTOR=2"
      "FERLO_TEST_SCREEN_WIDTH=960")
# A screen of the designed width but only 600 pixels high: the window is shorter than designed.
ferlo_offscreen_screen(config 1024 600)
ferlo_add_test_run(mainwindow.startup-1024x600 mainwindow_tst_startup
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" "FERLO_TEST_SCREEN_WIDTH=1024")
