# The program: the main dialog's Win32 view, its entry and its resources.
if(WIN32)
  file(GLOB APP_WIN32_SOURCES CONFIGURE_DEPENDS app/win32/*.cpp)
  add_executable(evenkeeper WIN32 ${APP_WIN32_SOURCES} resources/evenkeeper.rc)
  target_link_libraries(evenkeeper PRIVATE evenkeeper_app evenkeeper_framework comctl32 comdlg32)
endif()

# The real program driven under Wine through its windows, as a person would use it; on the
# desktop the framework's GUI tests hold, one test at a time.
if(WIN32)
  file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS tests/app/driver/*.cpp)
  add_executable(evenkeeper_driver_tests ${DRIVER_SOURCES} tests/support/win32/TempTree.cpp)
  target_link_libraries(evenkeeper_driver_tests PRIVATE gtest_main comctl32 shell32)
  target_include_directories(evenkeeper_driver_tests PRIVATE ${CMAKE_SOURCE_DIR}
                             ${CMAKE_SOURCE_DIR}/tests)
  add_dependencies(evenkeeper_driver_tests evenkeeper)
  gtest_discover_tests(evenkeeper_driver_tests TEST_PREFIX "Driver."
                       DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES RUN_SERIAL TRUE TIMEOUT 60 FIXTURES_REQUIRED FrameworkDesktop)
endif()
