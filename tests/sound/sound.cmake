# The end-to-end test records everything that reaches the test server's null sink, so no other
# test may play sound meanwhile.
set_tests_properties(sound.soundserver PROPERTIES RUN_SERIAL TRUE)
# The window's player without a device: files are still opened and decoded, and good ones play
# silently without a message.
ferlo_add_test_run(sound.soundplayer_nodevice sound_tst_soundplayer
  ENV PULSE_SERVER=unix:/nonexistent/ferlo-pulse/native)
