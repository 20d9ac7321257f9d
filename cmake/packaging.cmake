# A Debian package from the install rules: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME "evdrive")
set(CPACK_PACKAGE_VERSION "${EVDRIVE_DISPLAY_VERSION}")
set(CPACK_PACKAGE_VENDOR "evdrive")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Electric vehicle drive sizing calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "For engineers who size the electric drive of a vehicle: the motor speed at the\n"
    "required speed, the power demand on level road and the steepest grade the\n"
    "motor's torque allows, from twelve vehicle and drivetrain figures; and a tire's\n"
    "rolling radius from its size. The interface is in Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "evdrive maintainers <${EVDRIVE_CONTACT_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the Song-style face the fields are set
# in, the SVG icon engine and the toolkit's Chinese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, libqt6svg6, qt6-translations-l10n")
include(CPack)
