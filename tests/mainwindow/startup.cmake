# Start-up is checked on screens of several widths: each run gets an offscreen screen of its own.
# The plain run is the offscreen platform's own 800-pixel screen.
set_property(TEST mainwindow.startup APPEND PROPERTY ENVIRONMENT "FERLO_TEST_SCREEN_WIDTH=800")
foreach(width 640 900 1024)
  set(config ${CMAKE_CURRENT_BINARY_DIR}/screens/screen-${width}.json)
  file(WRITE ${config}
    "{ \"screens\": [ { \"name\": \"screen${width}\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": 768, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
  ferlo_add_test_run(mainwindow.startup-${width} mainwindow_tst_startup
    ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" "FERLO_TEST_SCREEN_WIDTH=${width}")
endforeach()
