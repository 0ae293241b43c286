# Moves a freshly built bank (NEW) to DB unless DB exists: an existing bank holds the user's wrong flags.
if(EXISTS "${DB}")
  message(STATUS "db1.mdb exists already; keeping it (delete it to rebuild from the source)")
  file(REMOVE "${NEW}")
else()
  file(RENAME "${NEW}" "${DB}")
endif()
