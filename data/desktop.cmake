# What an installed game brings to the desktop: its menu entry, icon, AppStream description,
# manual pages and the package's own documents. They are made in the build tree and only
# installed (the package target); the program run from its build folder needs none of them.
set(desktop_source ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
set(desktop_build ${CMAKE_CURRENT_BINARY_DIR}/desktop)
set(app_id example.stumpcraft.Stumpcraft)
set(SHARE ${STUMPCRAFT_INSTALL_SHARE})
# The folder the package puts them in, as its manual pages name it.
set(SHARE_PATH /usr/${STUMPCRAFT_INSTALL_SHARE})

# The version and the install folders go into the texts; the manual pages and the changelog
# are compressed as Debian keeps them, with no name or time stamp inside.
configure_file(${desktop_source}/${app_id}.metainfo.xml ${desktop_build}/${app_id}.metainfo.xml @ONLY)
set(desktop_gzipped)
foreach(text stumpcraft.6 stumpcraft-sim.6 changelog)
  configure_file(${desktop_source}/${text} ${desktop_build}/${text} @ONLY)
  add_custom_command(
    OUTPUT "${desktop_build}/${text}.gz"
    COMMAND gzip -9nf "${desktop_build}/${text}" -c > "${desktop_build}/${text}.gz"
    DEPENDS "${desktop_build}/${text}"
    COMMENT "Compressing ${text}")
  list(APPEND desktop_gzipped "${desktop_build}/${text}.gz")
endforeach()

# The icon theme's sizes, drawn from the one SVG.
set(icon_sizes 16 22 24 32 48 64 128 256)
set(icon_theme ${desktop_build}/icons)
set(icon_pngs)
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_pngs "${icon_theme}/${size}x${size}/apps/stumpcraft.png")
endforeach()
if(TARGET render_icon)
  add_custom_command(
    OUTPUT ${icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render_icon> "${desktop_source}/stumpcraft.svg" "${icon_theme}" ${icon_sizes}
    DEPENDS render_icon "${desktop_source}/stumpcraft.svg"
    COMMENT "Drawing the icon in its sizes"
    VERBATIM)
  add_custom_target(desktop_files ALL DEPENDS ${desktop_gzipped} ${icon_pngs})
else()
  add_custom_target(desktop_files ALL DEPENDS ${desktop_gzipped})
endif()

# Installed: the programs in the games folder with a link on the PATH, the shipped files
# read-only in the share folder.
set(program_links ${desktop_build}/links)
file(MAKE_DIRECTORY ${program_links})
foreach(program stumpcraft stumpcraft-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${STUMPCRAFT_INSTALL_GAMES})
    file(CREATE_LINK ../${STUMPCRAFT_INSTALL_GAMES}/${program} ${program_links}/${program} SYMBOLIC)
    install(FILES ${program_links}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# The add-ons the game opens when first needed (the charts, the voice).
foreach(addon stumpcraft-charts stumpcraft-voice)
  if(TARGET ${addon})
    install(TARGETS ${addon} LIBRARY DESTINATION ${STUMPCRAFT_INSTALL_ADDONS})
  endif()
endforeach()
install(DIRECTORY ${squad_stage}/ DESTINATION ${SHARE}
        FILES_MATCHING PATTERN "*.lst" PATTERN "shipped" EXCLUDE)
install(FILES ${agent_character} ${manual_placed} DESTINATION ${SHARE})
if(TARGET snapshot)
  install(DIRECTORY ${manual_pictures} DESTINATION ${SHARE})
endif()

install(FILES ${desktop_source}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_build}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_source}/stumpcraft.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
if(TARGET render_icon)
  install(DIRECTORY ${icon_theme}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()
install(FILES ${desktop_build}/stumpcraft.6.gz ${desktop_build}/stumpcraft-sim.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${desktop_source}/copyright ${desktop_build}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/stumpcraft)
