# The Windows tests of the download component talk to the test HTTP server
# (http_server.py) on port 80 of a loopback address. CTest starts it before
# them and stops it after them, whether they pass or not; the server also
# ends itself after a while should the run be killed.
if(WIN32 AND TARGET net_win_tests)
  set(ORVX_HTTP_SERVER ${CMAKE_CURRENT_LIST_DIR}/http_server.py)
  set(ORVX_HTTP_STATE ${CMAKE_BINARY_DIR}/http-server)
  add_test(NAME net_http_server_start COMMAND python3 ${ORVX_HTTP_SERVER} start ${ORVX_HTTP_STATE})
  add_test(NAME net_http_server_stop COMMAND python3 ${ORVX_HTTP_SERVER} stop ${ORVX_HTTP_STATE})
  set_tests_properties(net_http_server_start PROPERTIES FIXTURES_SETUP http_server TIMEOUT 60)
  set_tests_properties(net_http_server_stop PROPERTIES FIXTURES_CLEANUP http_server TIMEOUT 60)
  # Requests go straight to the loopback server, never through a proxy that
  # the environment may name.
  # A fetch waits as long as wininet does; a broken wait must not hold the
  # whole run, so the program gets a deadline of its own.
  set_tests_properties(net_win_tests PROPERTIES
    TIMEOUT 300
    FIXTURES_REQUIRED http_server
    ENVIRONMENT_MODIFICATION "http_proxy=unset:;HTTP_PROXY=unset:")
endif()
