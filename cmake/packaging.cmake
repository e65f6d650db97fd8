# Package settings for CPack: a Debian package on Linux, a zip of the program on Windows.
set(CPACK_PACKAGE_NAME mojiroll)
set(CPACK_PACKAGE_VENDOR "the mojiroll developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decode Japanese text codes into Shift-JIS text files")
set(CPACK_PACKAGE_DESCRIPTION [[
mojiroll reads a file of compact Japanese text codes and writes its text
as a Shift-JIS (code page 932) file with CR LF line ends. It decodes two
formats: a single-byte one of kana, digits and punctuation, and a
multi-byte one that adds two-byte kanji codes and dictionaries of names,
words and phrases.]])
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  install(FILES README.md DESTINATION .)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "mojiroll maintainers <maintainers@users.noreply.c-seed-608f7a5c.example>")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Debian keeps manual pages compressed; this runs on the staged files before they are packed.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/compress-manual-pages.cmake)
endif()

include(CPack)
