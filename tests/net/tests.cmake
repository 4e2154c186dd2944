

# The download component and its tests once more, built with AddressSanitizer
# and with ThreadSanitizer, to show that its threads and its destruction in
# mid-download are sound. Only the component's own sources go in; Qt and
# libcurl stay uninstrumented.
set(QM_NET_SANITIZED_SOURCES
  ${PROJECT_SOURCE_DIR}/src/net/HTTPGet.cpp
  ${PROJECT_SOURCE_DIR}/src/net/DownloadReception.cpp
  ${PROJECT_SOURCE_DIR}/src/net/HTTPGetThread.cpp
  ${PROJECT_SOURCE_DIR}/src/net/HttpAddress.cpp
  ${PROJECT_SOURCE_DIR}/src/net/HttpTransfer.cpp
  ${PROJECT_SOURCE_DIR}/src/platform/SafeFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/net/HttpAddressTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/net/HTTPGetTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/net/HTTPGetLifetimeTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/support/LoopbackHttpServer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/net/sanitize/main.cpp)

set(QM_NET_TSAN_OPTIONS
  "TSAN_OPTIONS=halt_on_error=1 second_deadlock_stack=1 suppressions=${CMAKE_CURRENT_SOURCE_DIR}/net/sanitize/tsan.supp")
set(QM_NET_ASAN_OPTIONS "ASAN_OPTIONS=detect_leaks=1 abort_on_error=0 halt_on_error=1")

foreach(kind IN ITEMS address thread)
  set(target quillmark_net_${kind}_sanitizer_tests)
  add_executable(${target} ${QM_NET_SANITIZED_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE -fsanitize=${kind} -fno-omit-frame-pointer -g -O1)
  target_link_options(${target} PRIVATE -fsanitize=${kind})
  target_link_libraries(${target} PRIVATE Qt6::Core CURL::libcurl GTest::gtest)
  if(kind STREQUAL "thread")
    set(options ${QM_NET_TSAN_OPTIONS})
    set(prefix "tsan.")
  else()
    set(options ${QM_NET_ASAN_OPTIONS})
    set(prefix "asan.")
  endif()
  gtest_discover_tests(${target} TEST_PREFIX ${prefix} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${options}" TIMEOUT 120)
endforeach()

# The update list reader with AddressSanitizer and UndefinedBehaviorSanitizer,
# fed randomised hostile lists for a few seconds through the libFuzzer entry
# point of fuzz/update_list.cpp.
add_executable(quillmark_update_list_fuzz
  ${CMAKE_CURRENT_LIST_DIR}/fuzz/UpdateListFuzz.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/update_list.cpp
  ${CMAKE_SOURCE_DIR}/src/net/UpdateList.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/NumberText.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/TextFile.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/CappedFile.cpp)
target_include_directories(quillmark_update_list_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(quillmark_update_list_fuzz PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined)
target_link_options(quillmark_update_list_fuzz PRIVATE -fsanitize=address,undefined)
target_link_libraries(quillmark_update_list_fuzz PRIVATE Qt6::Core)
add_test(NAME UpdateListFuzzAsan COMMAND quillmark_update_list_fuzz)
set_tests_properties(UpdateListFuzzAsan PROPERTIES TIMEOUT 60
  ENVIRONMENT "QM_FUZZ_SECONDS=3;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1")
