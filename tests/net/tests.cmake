# The Windows tests of the download component talk to the test HTTP server
# (http_server.py) on port 80 of a loopback address. CTest starts it before
# the first of them and stops it after the last, whether they pass or not;
# the server also ends itself after a while should the run be killed.
if(WIN32 AND TARGET net_win_tests)
  set(ORVX_HTTP_SERVER ${CMAKE_CURRENT_LIST_DIR}/http_server.py)
  set(ORVX_HTTP_STATE ${CMAKE_BINARY_DIR}/http-server)
  add_test(NAME net_http_server_start COMMAND python3 ${ORVX_HTTP_SERVER} start ${ORVX_HTTP_STATE})
  add_test(NAME net_http_server_stop COMMAND python3 ${ORVX_HTTP_SERVER} stop ${ORVX_HTTP_STATE})
  set_tests_properties(net_http_server_start PROPERTIES FIXTURES_SETUP http_server TIMEOUT 60)
  set_tests_properties(net_http_server_stop PROPERTIES FIXTURES_CLEANUP http_server TIMEOUT 60)
  # Every case of the program needs the server. Requests go straight to the
  # loopback server, never through a proxy that the environment may name.
  # A fetch waits as long as wininet does; a broken wait costs only its own
  # case's deadline.
  set_tests_properties(${ORVX_WINDOWS_CASES_net} PROPERTIES
    FIXTURES_REQUIRED http_server
    ENVIRONMENT_MODIFICATION "http_proxy=unset:;HTTP_PROXY=unset:")
endif()
