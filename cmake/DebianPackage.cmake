# What a Debian package carries beside the program: its copyright file, its changelog and the
# manual page, the last two compressed as Debian's policy asks.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/quarrimak)
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
add_custom_command(
    OUTPUT ${compressed}/changelog.gz ${compressed}/quarrimak.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/desktop/debian/changelog > ${compressed}/changelog.gz
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/desktop/quarrimak.1 > ${compressed}/quarrimak.1.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/desktop/debian/changelog ${PROJECT_SOURCE_DIR}/desktop/quarrimak.1
    COMMENT "Compressing the changelog and the manual page")
add_custom_target(compressed_documents ALL
    DEPENDS ${compressed}/changelog.gz ${compressed}/quarrimak.1.gz)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/debian/copyright DESTINATION ${docdir})
install(FILES ${compressed}/changelog.gz DESTINATION ${docdir})
install(FILES ${compressed}/quarrimak.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
