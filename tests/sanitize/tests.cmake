# The core and every core test once more with AddressSanitizer and
# UndefinedBehaviorSanitizer, registered as "san.<suite>.<test>". Built at -O1
# from the same sources as quillmark_core and quillmark_core_tests.
option(QM_SANITIZED_CORE_TESTS "Build and run the core tests once more under ASan and UBSan" OFF)
if(QM_SANITIZED_CORE_TESTS)
set(QM_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1 -g)
add_library(quillmark_core_san STATIC ${QM_CORE_SOURCES})
target_include_directories(quillmark_core_san PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(quillmark_core_san PUBLIC ${QM_SAN_FLAGS})
target_link_options(quillmark_core_san PUBLIC -fsanitize=address,undefined)
target_link_libraries(quillmark_core_san PUBLIC Qt6::Core Qt6::Gui PRIVATE CURL::libcurl)

add_executable(quillmark_core_san_tests ${QM_CORE_TESTS} ${QM_TEST_SUPPORT} ${CMAKE_CURRENT_SOURCE_DIR}/core_main.cpp)
target_include_directories(quillmark_core_san_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(quillmark_core_san_tests PRIVATE
  $<TARGET_PROPERTY:quillmark_core_tests,COMPILE_DEFINITIONS>)
target_link_libraries(quillmark_core_san_tests PRIVATE quillmark_core_san GTest::gtest)
# Leak checking stays on; the full-disk test mounts a tmpfs and runs as usual.
gtest_discover_tests(quillmark_core_san_tests TEST_PREFIX "san." DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1"
  TIMEOUT 300)
endif()

# The libFuzzer harnesses of fuzz/ in a Clang build of their own (skipped
# when Clang or its fuzzer runtime is missing), each run for a few seconds
# over its seed corpus.
set(QM_FUZZ_BUILD_DIR ${CMAKE_BINARY_DIR}/fuzz)
add_test(NAME fuzz.build COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/build.sh ${QM_FUZZ_BUILD_DIR})
set_tests_properties(fuzz.build PROPERTIES FIXTURES_SETUP quillmark_fuzz_build SKIP_RETURN_CODE 77 TIMEOUT 1800)
file(GLOB QM_FUZZ_HARNESSES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS QM_FUZZ_HARNESSES)
  get_filename_component(name ${source} NAME_WE)
  add_test(NAME fuzz.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/run.sh ${QM_FUZZ_BUILD_DIR} ${name} 3)
  set_tests_properties(fuzz.${name} PROPERTIES FIXTURES_REQUIRED quillmark_fuzz_build SKIP_RETURN_CODE 77
    TIMEOUT 120)
endforeach()
