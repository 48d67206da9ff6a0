# Every Windows test runs under Wine, in one prefix of this build's own.
set(NOISE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(NOISE_WINE_ENVIRONMENT "WINEPREFIX=${NOISE_WINEPREFIX}" "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wine_prefix
  COMMAND sh -c "wineboot -i && wineserver -w")
set_tests_properties(wine_prefix PROPERTIES
  ENVIRONMENT "${NOISE_WINE_ENVIRONMENT};DISPLAY="
  FIXTURES_SETUP wine
  RESOURCE_LOCK wine_session
  TIMEOUT 300)

function(add_wine_test)
  cmake_parse_arguments(ARG "" "NAME" "COMMAND" ${ARGN})
  add_test(NAME ${ARG_NAME} COMMAND wine ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "${NOISE_WINE_ENVIRONMENT};DISPLAY="
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_session
    TIMEOUT 600)
endfunction()
