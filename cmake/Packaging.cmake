# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs, under
# /usr: the application folder /usr/lib/zaruziz, the command /usr/bin/zaruziz, the desktop entry, the
# icon, and whatever else the install rules add (the fonts' fontconfig alias among them). Installed
# there, the program keeps its settings and documents in the user's ~/.local/share/zaruziz/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zaruziz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "켈모르소프트")
set(CPACK_PACKAGE_CONTACT "켈모르소프트 <help@kelmorsoft.co.kr>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.kelmorsoft.co.kr")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "켈모르소프트 세금계산서: 세금계산서·계산서, 거래명세표·영수증, 견적서")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "켈모르소프트 세금계산서: 세금계산서·계산서, 거래명세표·영수증, 견적서\n 세금계산서와 계산서, 거래명세표와 간이영수증, 견적서를 작성하여 저장하고,\n 백지나 양식지에 인쇄하고, 스프레드시트 문서로 보냅니다.")

# The libraries the program and its companion libraries link come from dpkg-shlibdeps (Qt 6,
# libxlsxwriter, with their versions); what it cannot see is named here: the fonts the forms are drawn
# in, Qt's Korean translations, and Qt's SQLite driver, a plug-in that the register's index loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, qt6-translations-l10n, libqt6sql6-sqlite")
# Export opens the sheet in LibreOffice Calc, which sizes columns by the metrics of the sheets' standard
# font (Calibri, metric-compatible Carlito); addresses open in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc | libreoffice-calc-nogui, fonts-crosextra-carlito, xdg-utils")

include(CPack)
