# Runs the sample data generator end to end and checks what it writes.
if(TARGET make-sample-data)
  file(GLOB QM_SAMPLE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
  add_executable(sample_data_tests ${QM_SAMPLE_TESTS})
  target_link_libraries(sample_data_tests PRIVATE quillmark_core GTest::gtest GTest::gtest_main)
  target_compile_definitions(sample_data_tests PRIVATE
    MAKE_SAMPLE_DATA_PATH="$<TARGET_FILE:make-sample-data>")
  add_dependencies(sample_data_tests make-sample-data)
  # One test for the whole program: the cases share a single generator run.
  add_test(NAME sample_data_tests COMMAND sample_data_tests)
  set_tests_properties(sample_data_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
