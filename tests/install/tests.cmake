# The install, the designer's first start from it and the Debian package,
# checked on the built tree (nothing is built again).
foreach(check files start package)
  add_test(NAME Install.${check}
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install-check.sh ${check} ${CMAKE_BINARY_DIR})
  set_tests_properties(Install.${check} PROPERTIES TIMEOUT 180)
endforeach()
