# Precompiled headers: on two cores the build spends most of its time parsing
# the same Qt and standard headers for every file. Targets built with the same
# flags share one precompiled header; the others make their own.
set(QM_PRECOMPILED_QT ${QM_ROOT}/cmake/precompiled/Qt.h)
set(QM_PRECOMPILED_TESTS ${QM_ROOT}/cmake/precompiled/Tests.h)

# quillmark_precompile(<target> QT|TESTS [REUSE_FROM <target>])
function(quillmark_precompile target kind)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "REUSE_FROM" "")
  if(arg_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${QM_PRECOMPILED_${kind}})
  endif()
endfunction()
