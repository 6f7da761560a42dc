# The dialog's test makes its pictures with the printing tests' helpers.
target_link_libraries(mainwindow_tst_activitydialog PRIVATE ferlo_tests_printing)
