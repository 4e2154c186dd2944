# The layer rule of src/layers.txt, read from the sources when the test runs
# (no build needed), and a proof on a broken copy that the check can fail.
add_test(NAME layers.includes COMMAND bash ${QM_ROOT}/tools/layers/check-layers.sh ${QM_ROOT})
add_test(NAME layers.check_fails_on_a_crossing COMMAND bash ${QM_ROOT}/tools/layers/check-layers-fails.sh ${QM_ROOT})
