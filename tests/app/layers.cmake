# The layers hold in the build itself: a file compiled against storage's view of src/ cannot
# include a header of the window (the target is built only by this test, and must fail).
add_library(layers_reachup OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/app/layers_reachup.cpp)
target_include_directories(layers_reachup PRIVATE $<TARGET_PROPERTY:ferlo_storage,FERLO_LAYER_VIEW>)
target_link_libraries(layers_reachup PRIVATE Qt6::Core)
add_test(NAME app.layers_reachup
  COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target layers_reachup)
set_tests_properties(app.layers_reachup PROPERTIES
  PASS_REGULAR_EXPRESSION "mainwindow/FerloMainForm.h.*(No such file|not found)")
