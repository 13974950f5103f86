# Tests of a Windows tree run under Wine in the project's prefix of the tree's architecture: every test
# of the calling directory gets ZARNEL_WINE_ARCH, which scripts/wine-env.sh (sourced by the emulator
# wine-run.sh and by the test scripts) turns into that prefix and its loader. Called once at the end
# of each directory that adds Windows tests.
function(zarnel_run_tests_in_wine_prefix)
  get_property(tests DIRECTORY PROPERTY TESTS)
  if(tests)
    set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT ZARNEL_WINE_ARCH=${ZARNEL_WINE_ARCH})
  endif()
endfunction()
