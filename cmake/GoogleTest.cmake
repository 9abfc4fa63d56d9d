# Natively GoogleTest comes from libgtest-dev. The Windows build compiles its
# sources with the project's compiler and flags: Debian's when it cross
# compiles, or the checkout named by TRELVANE_GOOGLETEST_SOURCE.
set(TRELVANE_GOOGLETEST_SOURCE "" CACHE PATH "GoogleTest sources to build with the project")
if(CMAKE_CROSSCOMPILING AND NOT TRELVANE_GOOGLETEST_SOURCE)
  set(TRELVANE_GOOGLETEST_SOURCE /usr/src/googletest)
endif()
if(TRELVANE_GOOGLETEST_SOURCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TRELVANE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
