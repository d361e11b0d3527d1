# The real program on damaged and hand-edited files, on a private X server.
add_test(NAME bad_files
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/bad_files_test.sh $<TARGET_FILE:conteggo>)
set_tests_properties(bad_files PROPERTIES TIMEOUT 300)
