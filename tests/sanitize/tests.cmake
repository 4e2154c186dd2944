# The Clang sub-build of fuzz/ (skipped when Clang or its fuzzer runtime is
# missing) compiles the core once with AddressSanitizer and
# UndefinedBehaviorSanitizer. On it run every core test, as san.core.<n> in
# shards that run side by side, and each libFuzzer harness for a few seconds
# over its seed corpus, as fuzz.<name>.
set(QM_FUZZ_BUILD_DIR ${CMAKE_BINARY_DIR}/fuzz)
add_test(NAME fuzz.build COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/build.sh ${QM_FUZZ_BUILD_DIR})
set_tests_properties(fuzz.build PROPERTIES FIXTURES_SETUP quillmark_fuzz_build SKIP_RETURN_CODE 77 TIMEOUT 1800)

set(QM_SAN_CORE_SHARDS 2)
math(EXPR last_shard "${QM_SAN_CORE_SHARDS} - 1")
foreach(shard RANGE ${last_shard})
  add_test(NAME san.core.${shard}
    COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/core-tests.sh ${QM_FUZZ_BUILD_DIR} ${shard} ${QM_SAN_CORE_SHARDS})
  set_tests_properties(san.core.${shard} PROPERTIES FIXTURES_REQUIRED quillmark_fuzz_build SKIP_RETURN_CODE 77
    TIMEOUT 600)
endforeach()

file(GLOB QM_FUZZ_HARNESSES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS QM_FUZZ_HARNESSES)
  get_filename_component(name ${source} NAME_WE)
  add_test(NAME fuzz.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/run.sh ${QM_FUZZ_BUILD_DIR} ${name} 3)
  set_tests_properties(fuzz.${name} PROPERTIES FIXTURES_REQUIRED quillmark_fuzz_build SKIP_RETURN_CODE 77
    TIMEOUT 120)
endforeach()
