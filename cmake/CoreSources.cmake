# What the core and its tests are made of, for the main build and for the
# Clang sub-build of fuzz/, which builds them once more with the sanitizers.
# QM_ROOT is the source tree's top folder.
set(QM_SUBSYSTEMS platform app render ui import assets assets/client net checks)

# Core library: every subsystem's plain logic (QtCore/QtGui only).
# Window classes live in src/<subsystem>/forms/ and form the second layer.
set(QM_CORE_SOURCES)
set(QM_FORMS_SOURCES)
# Core tests: tests/<subsystem>/*.cpp, no display needed.
set(QM_CORE_TESTS)
set(QM_FORMS_TESTS)
foreach(sub IN LISTS QM_SUBSYSTEMS)
  file(GLOB sub_core CONFIGURE_DEPENDS ${QM_ROOT}/src/${sub}/*.cpp ${QM_ROOT}/src/${sub}/*.h)
  file(GLOB sub_forms CONFIGURE_DEPENDS ${QM_ROOT}/src/${sub}/forms/*.cpp ${QM_ROOT}/src/${sub}/forms/*.h)
  file(GLOB sub_tests CONFIGURE_DEPENDS ${QM_ROOT}/tests/${sub}/*.cpp)
  file(GLOB sub_forms_tests CONFIGURE_DEPENDS ${QM_ROOT}/tests/${sub}/forms/*.cpp)
  list(APPEND QM_CORE_SOURCES ${sub_core})
  list(APPEND QM_FORMS_SOURCES ${sub_forms})
  list(APPEND QM_CORE_TESTS ${sub_tests})
  list(APPEND QM_FORMS_TESTS ${sub_forms_tests})
endforeach()
file(GLOB QM_TEST_SUPPORT CONFIGURE_DEPENDS ${QM_ROOT}/tests/support/*.cpp)
# The Sphere test server talks through the client below; only the server
# tests build it (tests/sphere/).
list(FILTER QM_TEST_SUPPORT EXCLUDE REGEX "/SphereTestServer\\.cpp$")

# Reading what a Sphere server sends a game client (QtCore and zlib): its own
# library in the main build, with the Qt Network client around it, and part
# of the sanitized core in the fuzz build.
file(GLOB QM_SPHERE_DECODING_SOURCES CONFIGURE_DEPENDS ${QM_ROOT}/src/sphereclient/*.cpp ${QM_ROOT}/src/sphereclient/*.h)
list(FILTER QM_SPHERE_DECODING_SOURCES EXCLUDE REGEX "/SphereLoginClient\\.(cpp|h)$")

# What the core tests are told at compile time: where the real dialogs the
# import is measured on lie, beside the worktree when present.
cmake_path(SET qm_corpus NORMALIZE "${QM_ROOT}/../shared/corpus/sphere-dialogs")
set(QM_CORE_TEST_DEFINITIONS QM_SPHERE_CORPUS_DIR="${qm_corpus}")
