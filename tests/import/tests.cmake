# The real dialogs the import is measured on, beside the worktree when present.
target_compile_definitions(quillmark_core_tests PRIVATE
  QM_SPHERE_CORPUS_DIR="${CMAKE_SOURCE_DIR}/../shared/corpus/sphere-dialogs")

