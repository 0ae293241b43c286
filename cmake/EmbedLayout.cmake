# taxi_embed_layout(TARGET LAYOUT_FILE SYMBOL [SKIN PACKAGE_FILE]) – compiles a window's layout text into
# TARGET as `extern const char SYMBOL[]` (NUL-terminated), regenerated whenever the layout changes. With SKIN,
# the layout's empty `SkinStream = {}` is filled with that skin package (its byte count, then its bytes).
set(TAXI_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedLayoutRun.cmake)
function(taxi_embed_layout target layout symbol)
  cmake_parse_arguments(ARG "" "SKIN" "" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  set(skin_args "")
  set(skin_deps "")
  if(ARG_SKIN)
    set(skin_args -DSKIN=${ARG_SKIN})
    set(skin_deps ${ARG_SKIN})
  endif()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${layout} -DOUT=${out} -DSYMBOL=${symbol} ${skin_args} -P ${TAXI_EMBED_SCRIPT}
    DEPENDS ${layout} ${TAXI_EMBED_SCRIPT} ${skin_deps}
    COMMENT "Embedding ${layout}")
  target_sources(${target} PRIVATE ${out})
endfunction()
