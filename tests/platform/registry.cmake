# The store's multi-process tests start a second program that writes into the same hive.
if(TARGET platform_tst_registry)
  add_executable(platform_registry_writer ${CMAKE_CURRENT_LIST_DIR}/registry_writer.cpp)
  target_link_libraries(platform_registry_writer PRIVATE ferlo_platform)
  add_dependencies(platform_tst_registry platform_registry_writer)
  target_compile_definitions(platform_tst_registry PRIVATE
    FERLO_REGISTRY_WRITER="$<TARGET_FILE:platform_registry_writer>")
endif()
