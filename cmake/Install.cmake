# What `cmake --install` puts on a system, and so what the Debian package
# (debian/, built by scripts/package.sh) holds: both programs, and with the
# editor its desktop entry, icons, MIME type and AppStream metainfo; a manual
# page for each program; shell completions for velmar-cli.
include(GNUInstallDirs)

install(TARGETS velmar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages are installed compressed, as Debian expects.
find_program(GZIP gzip REQUIRED)
set(man_pages velmar-cli.1)
if(VELMAR_GUI)
    list(APPEND man_pages velmar.1)
endif()
set(man_outputs)
foreach(page IN LISTS man_pages)
    set(out ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${out}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${out}
                       DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page} VERBATIM)
    list(APPEND man_outputs ${out})
endforeach()
add_custom_target(velmar_man_pages ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(VELMAR_GUI)
    install(TARGETS velmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    add_subdirectory(desktop)
endif()

# Completions where each shell looks for a vendor's: bash-completion loads
# them on demand, zsh and fish from their vendor directories.
install(FILES ${PROJECT_SOURCE_DIR}/completions/velmar-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME velmar-cli)
install(FILES ${PROJECT_SOURCE_DIR}/completions/_velmar-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${PROJECT_SOURCE_DIR}/completions/velmar-cli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
