# The wave player once more with a sound server that can't be reached: no output device, and the
# player must go on working silently.
ferlo_add_test_run(platform.waveplayer_nodevice platform_tst_waveplayer
  ENV PULSE_SERVER=unix:/nonexistent/ferlo-pulse/native FERLO_EXPECT_NO_AUDIO_DEVICE=1)
