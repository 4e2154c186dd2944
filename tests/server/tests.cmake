# The Sphere server as the judge of what we export: sphere.server.build makes
# the server from the source tarball beside the repository (skipped when it
# is missing), and every tests/server/*.cpp goes into one program whose tests
# start it on 127.0.0.1 and log in with our client (src/sphereclient/).
cmake_path(SET qm_sphere_tarball NORMALIZE "${QM_ROOT}/../shared/sphere-server/Source-X-92ced0b.tar.xz")
set(QM_SPHERE_SERVER_DIR ${CMAKE_BINARY_DIR}/sphere-server)
add_test(NAME sphere.server.build
  COMMAND bash ${QM_ROOT}/tools/sphere-server/build-server.sh ${qm_sphere_tarball} ${QM_SPHERE_SERVER_DIR})
set_tests_properties(sphere.server.build PROPERTIES FIXTURES_SETUP sphere.server SKIP_RETURN_CODE 77 TIMEOUT 1200)

file(GLOB QM_SPHERE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(quillmark_sphere_tests ${QM_SPHERE_TESTS} ${CMAKE_CURRENT_LIST_DIR}/../support/SphereTestServer.cpp ${CMAKE_CURRENT_LIST_DIR}/../support/DialogPresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../core_main.cpp)
target_link_libraries(quillmark_sphere_tests PRIVATE quillmark_test_support quillmark_serverworld quillmark_sphereclient ZLIB::ZLIB)
quillmark_precompile(quillmark_sphere_tests TESTS REUSE_FROM quillmark_test_support)
target_compile_definitions(quillmark_sphere_tests PRIVATE ${QM_CORE_TEST_DEFINITIONS}
  QM_SPHERE_SERVER_BINARY="${QM_SPHERE_SERVER_DIR}/SphereSvrX64_nightly"
  QM_SAMPLE_DIR="${CMAKE_BINARY_DIR}/share/quillmark/sample" QM_SOURCE_DIR="${QM_ROOT}")
# The sample project is judged too.
add_dependencies(quillmark_sphere_tests sample_library)
gtest_discover_tests(quillmark_sphere_tests TEST_PREFIX sphere. DISCOVERY_TIMEOUT 60
  PROPERTIES FIXTURES_REQUIRED sphere.server ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 600)
