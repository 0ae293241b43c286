# taxi_embed_layout(TARGET LAYOUT_FILE SYMBOL) – compiles a window's layout text into TARGET as
# `extern const char SYMBOL[]` (NUL-terminated), regenerated whenever the layout changes.
set(TAXI_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedLayoutRun.cmake)
function(taxi_embed_layout target layout symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${layout} -DOUT=${out} -DSYMBOL=${symbol} -P ${TAXI_EMBED_SCRIPT}
    DEPENDS ${layout} ${TAXI_EMBED_SCRIPT}
    COMMENT "Embedding ${layout}")
  target_sources(${target} PRIVATE ${out})
endfunction()
