# The fuzz regressions replay every harness's files: the sound, settings and deck checks too.
target_link_libraries(pictures_tst_fuzzregressions PRIVATE ferlo_sound ferlo_printing)
