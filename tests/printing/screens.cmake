# The print preview on a laptop's 1366x768 screen and on a 1920x1080 screen at scale 2, where its
# designed size does not fit.
ferlo_offscreen_screen(config 1366 768)
ferlo_add_test_run(printing.printjob-1366 printing_tst_printjob
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" ARGS previewFitsTheScreen)
ferlo_offscreen_screen(config 1920 1080)
ferlo_add_test_run(printing.printjob-1920-scale2 printing_tst_printjob
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${config}" "QT_SCALE_FACTOR=2"
  ARGS previewFitsTheScreen)
