# Runs one fuzz target for a short time, for the tests:
#   cmake -DFUZZER=<binary> -DSEEDS=<committed seeds> -DWORK=<scratch folder> -DSECONDS=<n> -P SmokeRun.cmake
# New inputs go to the scratch folder; the committed seeds are only read.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a problem (exit ${result}); the input is in ${WORK}/artifacts")
endif()
