# What `cmake --install` and the Debian package put where. The programs go to
# <prefix>/games under the lower-case names Debian gives games, the shipped
# data read-only to <prefix>/share/games/mibbet, where the programs find it
# from their own folder (so the tree can move), the game's sound module to
# <prefix>/lib/mibbet, found the same way, and the desktop's menu
# entries, metainfo, icons and manual pages beside.
# MIBBET_INSTALL_GAMES and MIBBET_INSTALL_DATA come from the top-level list.
set(MIBBET_APP_ID_PREFIX org.halvern.)

foreach(target Mibbet Tessaly)
  string(TOLOWER ${target} program)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${MIBBET_INSTALL_GAMES} RENAME ${program})
  set(id ${MIBBET_APP_ID_PREFIX}${program})
  install(FILES packaging/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 22 32 48 64 128 256)
    install(FILES resources/icons/${program}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${id}.png)
  endforeach()
  # Manual pages and the changelog go compressed, without a time stamp, so
  # the package is the same whenever it is built.
  add_custom_command(OUTPUT ${program}.6.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${program}.6 > ${program}.6.gz
    DEPENDS packaging/${program}.6)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${program}.6.gz)
  install(FILES ${CMAKE_BINARY_DIR}/${program}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(install_docs ALL DEPENDS ${compressed} changelog.gz)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mibbet)

install(TARGETS mibbet_sound_module LIBRARY DESTINATION ${MIBBET_INSTALL_MODULES}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(DIRECTORY data/map data/save data/wav data/bgm DESTINATION ${MIBBET_INSTALL_DATA}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# Every version of the seeded files ever shipped, so that a player's file
# still as an earlier version shipped it is brought up to date.
install(FILES packaging/shipped-versions.sha256 DESTINATION ${MIBBET_INSTALL_DATA}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The installed programs and module carry no symbols (the build's own keep them).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(file ${MIBBET_INSTALL_GAMES}/mibbet ${MIBBET_INSTALL_GAMES}/tessaly
                 ${MIBBET_INSTALL_MODULES}/$<TARGET_FILE_NAME:mibbet_sound_module>)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\")
    endforeach()
  endif()")
