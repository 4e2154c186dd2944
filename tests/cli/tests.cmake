# End-to-end checks of quillmark-script: the built program run on files the tests write.
if(TARGET quillmark-script)
  file(GLOB QM_SCRIPT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
  add_executable(quillmark_script_tests ${QM_SCRIPT_TESTS} ${CMAKE_CURRENT_SOURCE_DIR}/core_main.cpp)
  target_link_libraries(quillmark_script_tests PRIVATE quillmark_test_support)
  quillmark_precompile(quillmark_script_tests TESTS REUSE_FROM quillmark_test_support)
  target_compile_definitions(quillmark_script_tests PRIVATE
    QUILLMARK_SCRIPT_BINARY="$<TARGET_FILE:quillmark-script>"
    QM_SPHERE_SERVER_BINARY="${CMAKE_BINARY_DIR}/sphere-server/SphereSvrX64_nightly")
  add_dependencies(quillmark_script_tests quillmark-script)
  # The preview and capture commands ask the server the tests build: they
  # wait for it rather than skip while it is being built.
  gtest_discover_tests(quillmark_script_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" FIXTURES_REQUIRED sphere.server)
endif()
