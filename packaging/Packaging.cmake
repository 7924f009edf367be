# The Debian packages, made by scripts/package: "commande" (the terminal, its desktop and autostart entries and icon),
# "caisse-sim" (the training register and its sample restaurant, which a tablet does not need) and "commande-kiosk"
# (the unit that makes a tablet boot into the terminal), each with its copyright, changelog and manual page, and a
# -dbgsym package of each binary's debugging information.
include(GNUInstallDirs)

set(COMMANDE_MAINTAINER "Équipe Commande <equipe@commande-caisse.fr>")
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_out})

# Debian wants the manual pages and the changelog compressed, without a time stamp in the archive
function(commande_gzip source output)
    add_custom_command(OUTPUT ${output} COMMAND gzip -9nc ${source} > ${output} DEPENDS ${source} VERBATIM)
endfunction()
commande_gzip(${packaging_dir}/commande.1 ${packaging_out}/commande.1.gz)
commande_gzip(${packaging_dir}/caisse-sim.1 ${packaging_out}/caisse-sim.1.gz)
commande_gzip(${packaging_dir}/kiosk/commande-kiosk.7 ${packaging_out}/commande-kiosk.7.gz)
commande_gzip(${packaging_dir}/changelog ${packaging_out}/changelog.Debian.gz)
add_custom_target(commande_packaging_files ALL
                  DEPENDS ${packaging_out}/commande.1.gz ${packaging_out}/caisse-sim.1.gz
                          ${packaging_out}/commande-kiosk.7.gz ${packaging_out}/changelog.Debian.gz)

install(TARGETS commande RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT commande)
install(FILES ${packaging_dir}/commande.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT commande)
install(FILES ${packaging_dir}/commande-autostart.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/commande/autostart
        RENAME commande.desktop COMPONENT commande)
install(FILES ${CMAKE_BINARY_DIR}/commande.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        COMPONENT commande)
install(FILES ${packaging_out}/commande.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT commande)

install(TARGETS caisse-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT caisse-sim)
# the simulator looks for its sample beside ../share/commande from its own folder
install(FILES ${CMAKE_SOURCE_DIR}/tools/caisse-sim/restaurant.json DESTINATION ${CMAKE_INSTALL_DATADIR}/commande
        COMPONENT caisse-sim)
install(FILES ${packaging_out}/caisse-sim.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT caisse-sim)

# Debian 12 keeps the system's units in /lib
install(FILES ${packaging_dir}/kiosk/commande-kiosk.service DESTINATION /lib/systemd/system COMPONENT commande-kiosk)
install(FILES ${packaging_out}/commande-kiosk.7.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man7 COMPONENT commande-kiosk)

foreach(package commande caisse-sim commande-kiosk)
    install(FILES ${packaging_dir}/copyright ${packaging_out}/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${package})
endforeach()

# no package is uploaded to Debian, so no bug of its archive opens with their first upload
foreach(package commande caisse-sim commande-kiosk)
    install(FILES ${packaging_dir}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${package} COMPONENT ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL commande caisse-sim commande-kiosk)
set(CPACK_PACKAGE_NAME commande)
set(CPACK_PACKAGE_VENDOR "Équipe Commande")
set(CPACK_PACKAGE_CONTACT ${COMMANDE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${COMMANDE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack keeps each binary's debugging information in a -dbgsym package (.ddeb) and strips the binary itself;
# scripts/package completes those packages
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_COMMANDE_PACKAGE_NAME commande)
set(CPACK_DEBIAN_COMMANDE_PACKAGE_SECTION misc)
# the platform plugins and the faces the views are drawn with are not found by the library scan
set(CPACK_DEBIAN_COMMANDE_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-comic-neue, fonts-dejavu-core")
# the on-screen keyboard of a tablet without one of its own, with the modules its panel loads, which its plugin does
# not pull
set(commande_keyboard_packages
    "qt6-virtualkeyboard-plugin, qml6-module-qtqml-workerscript, qml6-module-qtquick-layouts, \
qml6-module-qtquick-window, qml6-module-qt-labs-folderlistmodel")
set(CPACK_DEBIAN_COMMANDE_PACKAGE_RECOMMENDS ${commande_keyboard_packages})
set(CPACK_DEBIAN_COMMANDE_PACKAGE_SUGGESTS "caisse-sim")
set(CPACK_COMPONENT_COMMANDE_DESCRIPTION
    "waiter's order-taking terminal connected to the cash register
Commande runs on a tablet or a small touch screen beside the restaurant's cash
register. The waiter chooses a table and the number of covers, builds the
order with product keys, set menus and supplements, sends it to the kitchen
printers, and closes the ticket with its payment.
.
The terminal keeps no prices, tickets or totals of its own: it talks to the
register over TCP port 65013 and shows what the register returns. It fills a
portrait screen, sized for a finger, with an on-screen keyboard.")

set(CPACK_DEBIAN_CAISSE-SIM_PACKAGE_NAME caisse-sim)
set(CPACK_DEBIAN_CAISSE-SIM_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_CAISSE-SIM_DESCRIPTION
    "training cash register for the Commande terminal
caisse-sim plays the restaurant's cash register for the Commande terminal: it
answers the terminal's line protocol on TCP port 65013 from a restaurant
described in a JSON file, and logs each request and reply.
.
It comes with a sample restaurant, to train waiters and to try the terminal
without a register. It can also play a closed, outdated, silent or faulty
register.")

set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_NAME commande-kiosk)
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_COMMANDE-KIOSK_DEBUGINFO_PACKAGE OFF)
# cage needs Xwayland even for a Wayland client; the login session that gives cage the screen is logind's, through
# pam_systemd; postinst makes the kiosk's user with adduser
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_DEPENDS
    "commande (= ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}), cage, xwayland, qt6-wayland, libpam-systemd, \
adduser")
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_RECOMMENDS ${commande_keyboard_packages})
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_CONTROL_EXTRA
    "${packaging_dir}/kiosk/postinst;${packaging_dir}/kiosk/prerm;${packaging_dir}/kiosk/postrm")
set(CPACK_DEBIAN_COMMANDE-KIOSK_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_COMPONENT_COMMANDE-KIOSK_DESCRIPTION
    "tablet that boots into the Commande terminal
commande-kiosk turns a Debian tablet into a Commande terminal: at boot the
terminal fills the screen in cage, a Wayland compositor that shows one
application and no way out of it, logged in on the first virtual console as a
user of its own. The terminal is started again a second after it stops,
whether a waiter quit it or it failed.
.
A technician reaches a shell over SSH or on another virtual console.")
include(CPack)
