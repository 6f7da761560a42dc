# The store's multi-process tests start a second program that writes into the same hive.
if(TARGET storage_tst_registry)
  add_executable(storage_registry_writer ${CMAKE_CURRENT_LIST_DIR}/registry_writer.cpp)
  target_include_directories(storage_registry_writer PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(storage_registry_writer PRIVATE ferlo_storage)
  add_dependencies(storage_tst_registry storage_registry_writer)
  target_compile_definitions(storage_tst_registry PRIVATE
    FERLO_REGISTRY_WRITER="$<TARGET_FILE:storage_registry_writer>")
endif()
