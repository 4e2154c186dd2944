# The real dialogs the import is measured on, beside the worktree when present.
target_compile_definitions(quillmark_core_tests PRIVATE
  QM_SPHERE_CORPUS_DIR="${CMAKE_SOURCE_DIR}/../shared/corpus/sphere-dialogs")

# With Clang, a libFuzzer target of the script import (run by hand, not a test).
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(QM_SRC ${CMAKE_SOURCE_DIR}/src)
  add_executable(quillmark_script_libfuzzer
    ${CMAKE_CURRENT_LIST_DIR}/fuzz/ScriptLibFuzzer.cpp
    ${QM_SRC}/import/SphereImport.cpp
    ${QM_SRC}/import/SphereScript.cpp
    ${QM_SRC}/import/ButtonArtMatcher.cpp
    ${QM_SRC}/platform/SphereNumber.cpp
    ${QM_SRC}/platform/NumberText.cpp
    ${QM_SRC}/platform/PathResolver.cpp
    ${QM_SRC}/platform/TextFile.cpp
    ${QM_SRC}/platform/CappedFile.cpp
    ${QM_SRC}/platform/FileStamp.cpp
    ${QM_SRC}/platform/FileNameText.cpp
    ${QM_SRC}/platform/SphereLine.cpp)
  target_include_directories(quillmark_script_libfuzzer PRIVATE ${QM_SRC})
  target_compile_options(quillmark_script_libfuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(quillmark_script_libfuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(quillmark_script_libfuzzer PRIVATE Qt6::Core)
endif()
