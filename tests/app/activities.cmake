# The games' test reads the PDFs it writes with the printing tests' helpers.
target_link_libraries(app_tst_activities PRIVATE ferlo_tests_printing)
