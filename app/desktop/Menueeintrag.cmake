# Run by "cmake --install": writes the menu entry with the full path of the installed
# window program, which is known only now (--prefix may differ from the build's prefix).
# Set before: KELVORA_DESKTOP_VORLAGE, KELVORA_DESKTOP_ARBEIT, KELVORA_BINDIR, KELVORA_DATADIR.
set(programm "${CMAKE_INSTALL_PREFIX}/${KELVORA_BINDIR}/kelvora-pdf")
# Exec quotes the path: inside the quotes " ` $ \ take a backslash, and the backslash is
# doubled once more by the escape rule of the entry's string values.
string(REGEX REPLACE "([\"`$\\])" "\\\\\\\\\\1" geschuetzt "${programm}")
string(REPLACE "\\" "\\\\" PROGRAMM "${programm}")
set(PROGRAMM_EXEC "\"${geschuetzt}\"")
configure_file("${KELVORA_DESKTOP_VORLAGE}" "${KELVORA_DESKTOP_ARBEIT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${KELVORA_DATADIR}/applications"
    TYPE FILE FILES "${KELVORA_DESKTOP_ARBEIT}")
