# Run by CPack after it packages: prints each package's SHA-256 as sha256sum does, for comparing a
# download with a rebuild of its commit.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 ${package} sha256)
    get_filename_component(name ${package} NAME)
    message(STATUS "SHA-256: ${sha256}  ${name}")
endforeach()
