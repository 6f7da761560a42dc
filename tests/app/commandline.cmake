# The command-line test reads the PDFs it writes with the printing tests' helpers.
target_sources(app_tst_commandline PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../printing/support_printing.cpp)
