# What the program and its tests are made of, for the main build and for the
# Clang sub-build of fuzz/, which builds the core once more with the
# sanitizers. QM_ROOT is the source tree's top folder.
#
# src/layers.txt names the layers: each is a folder of src/ (subfolders
# included) and may use the layers its row lists. QM_LAYERS lists them lowest
# first, QM_LAYER_USES_<folder> what each may use, QM_LAYER_SOURCES_<folder>
# its files.
file(STRINGS ${QM_ROOT}/src/layers.txt qm_layer_rows REGEX "^[a-z]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QM_ROOT}/src/layers.txt)
set(QM_LAYERS)
foreach(row IN LISTS qm_layer_rows)
  string(REGEX REPLACE "[ \t]+" ";" row "${row}")
  list(POP_FRONT row folder level)
  list(APPEND QM_LAYERS ${folder})
  set(QM_LAYER_USES_${folder} ${row})
  file(GLOB_RECURSE QM_LAYER_SOURCES_${folder} CONFIGURE_DEPENDS
    ${QM_ROOT}/src/${folder}/*.cpp ${QM_ROOT}/src/${folder}/*.h)
endforeach()

# The core: every layer below the windows, QtCore/QtGui only. The Sphere
# client (QtCore and zlib for its decoding, Qt Network for its login) and the
# server world that logs in with it stay out of it.
set(QM_CORE_LAYERS ${QM_LAYERS})
list(REMOVE_ITEM QM_CORE_LAYERS windows sphereclient serverworld)
set(QM_CORE_SOURCES)
foreach(layer IN LISTS QM_CORE_LAYERS)
  list(APPEND QM_CORE_SOURCES ${QM_LAYER_SOURCES_${layer}})
endforeach()
set(QM_FORMS_SOURCES ${QM_LAYER_SOURCES_windows})

# Reading what a Sphere server sends a game client: part of the sanitized
# core in the fuzz build, without the Qt Network login around it.
set(QM_SPHERE_DECODING_SOURCES ${QM_LAYER_SOURCES_sphereclient})
list(FILTER QM_SPHERE_DECODING_SOURCES EXCLUDE REGEX "/SphereLoginClient\\.(cpp|h)$")

# Reading a Sphere server's log: QtCore alone, fuzzed with the core.
set(QM_SERVER_LOG_SOURCES ${QM_ROOT}/src/serverworld/ServerLogNotes.cpp ${QM_ROOT}/src/serverworld/ServerLogNotes.h)

# Core tests: tests/<layer>/*.cpp (and the client readers' folder), no display
# needed; window tests: tests/windows/<role>/*.cpp.
set(QM_CORE_TESTS)
foreach(dir IN LISTS QM_CORE_LAYERS ITEMS assets/client)
  file(GLOB dir_tests CONFIGURE_DEPENDS ${QM_ROOT}/tests/${dir}/*.cpp)
  list(APPEND QM_CORE_TESTS ${dir_tests})
endforeach()
file(GLOB QM_FORMS_TESTS CONFIGURE_DEPENDS ${QM_ROOT}/tests/windows/*/*.cpp)
file(GLOB QM_TEST_SUPPORT CONFIGURE_DEPENDS ${QM_ROOT}/tests/support/*.cpp)
# The Sphere test server talks through the client; only the server tests
# build it (tests/server/).
list(FILTER QM_TEST_SUPPORT EXCLUDE REGEX "/(SphereTestServer|DialogPresses)\\.cpp$")

# What the core tests are told at compile time: where the real dialogs the
# import is measured on lie, beside the worktree when present.
cmake_path(SET qm_corpus NORMALIZE "${QM_ROOT}/../shared/corpus/sphere-dialogs")
set(QM_CORE_TEST_DEFINITIONS QM_SPHERE_CORPUS_DIR="${qm_corpus}")
