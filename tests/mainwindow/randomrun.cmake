# The random run performs ten thousand actions on the real window; under the sanitizers on a
# loaded machine it needs more than the default time.
set_tests_properties(mainwindow.randomrun PROPERTIES TIMEOUT 1500)
