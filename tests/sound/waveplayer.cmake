# The wave player once more with a sound server that can't be reached: no output device, and the
# player must go on working silently.
ferlo_add_test_run(sound.waveplayer_nodevice sound_tst_waveplayer
  ENV PULSE_SERVER=unix:/nonexistent/ferlo-pulse/native FERLO_EXPECT_NO_AUDIO_DEVICE=1)

# The end-to-end test records everything that reaches the test server's null sink, so no other
# test may play sound meanwhile.
set_tests_properties(sound.soundserver PROPERTIES RUN_SERIAL TRUE)
# The window's player without a device: files are still opened and decoded, and good ones play
# silently without a message.
ferlo_add_test_run(sound.soundplayer_nodevice sound_tst_soundplayer
  ENV PULSE_SERVER=unix:/nonexistent/ferlo-pulse/native)
