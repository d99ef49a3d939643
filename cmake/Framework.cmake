# The window framework. Its arithmetic (box geometry, centring, button tables, the browsed
# folder's backslash) is platform-free and is built and tested for every target; the
# classes over the Win32 user interface, their tests under Wine and the screenshot tool
# only for Windows.

file(GLOB FRAMEWORK_LAYOUT_SOURCES CONFIGURE_DEPENDS framework/layout/*.cpp)
add_library(evenkeeper_framework_layout STATIC ${FRAMEWORK_LAYOUT_SOURCES})
target_include_directories(evenkeeper_framework_layout PUBLIC ${CMAKE_SOURCE_DIR})

file(GLOB FRAMEWORK_LAYOUT_TEST_SOURCES CONFIGURE_DEPENDS tests/framework/layout/*.cpp)
add_executable(evenkeeper_framework_layout_tests ${FRAMEWORK_LAYOUT_TEST_SOURCES})
target_link_libraries(evenkeeper_framework_layout_tests PRIVATE evenkeeper_framework_layout
                      gtest_main)
gtest_discover_tests(evenkeeper_framework_layout_tests TEST_PREFIX "FrameworkLayout."
                     DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

if(WIN32)
  enable_language(RC)

  file(GLOB FRAMEWORK_SOURCES CONFIGURE_DEPENDS framework/*.cpp)
  add_library(evenkeeper_framework STATIC ${FRAMEWORK_SOURCES})
  target_link_libraries(evenkeeper_framework PUBLIC evenkeeper_framework_layout evenkeeper_core
                        comctl32 shell32 ole32 gdi32 user32)

  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(FRAMEWORK_WINE_ARCH win64)
  else()
    set(FRAMEWORK_WINE_ARCH win32)
  endif()

  # One process holds Wine's desktop while the GUI tests run, so that the runner does not
  # wait for a desktop to start and end with every test process.
  add_executable(framework_desktop_holder tests/framework/desktop/DesktopHolder.cpp)
  add_test(NAME Framework.DesktopUp
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/framework/desktop/hold-desktop
                   ${FRAMEWORK_WINE_ARCH} $<TARGET_FILE:framework_desktop_holder>)
  add_test(NAME Framework.DesktopDown COMMAND framework_desktop_holder stop)
  set_tests_properties(Framework.DesktopUp PROPERTIES FIXTURES_SETUP FrameworkDesktop)
  set_tests_properties(Framework.DesktopDown PROPERTIES FIXTURES_CLEANUP FrameworkDesktop)

  # The GUI tests share one virtual desktop, so they run one at a time.
  file(GLOB FRAMEWORK_GUI_TEST_SOURCES CONFIGURE_DEPENDS tests/framework/gui/*.cpp)
  add_executable(evenkeeper_framework_tests ${FRAMEWORK_GUI_TEST_SOURCES}
                 tests/framework/gui/FrameworkTests.rc)
  target_link_libraries(evenkeeper_framework_tests PRIVATE evenkeeper_framework gtest)
  target_include_directories(evenkeeper_framework_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(evenkeeper_framework_tests TEST_PREFIX "Framework."
                       DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES RUN_SERIAL TRUE TIMEOUT 60 FIXTURES_REQUIRED FrameworkDesktop)

  # Shows each box and the progress panel and saves pictures of them in the build folder.
  add_executable(framework_gallery tests/framework/gallery/Gallery.cpp
                 tests/framework/gallery/ScreenCapture.cpp tests/framework/gui/GuiTestSupport.cpp
                 tests/framework/gui/FrameworkTests.rc)
  target_link_libraries(framework_gallery PRIVATE evenkeeper_framework)
  target_include_directories(framework_gallery PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME Framework.Screenshots
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/framework/gallery/take-screenshots
                   ${FRAMEWORK_WINE_ARCH} $<TARGET_FILE:framework_gallery>
                   ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(Framework.Screenshots PROPERTIES RUN_SERIAL TRUE TIMEOUT 60
                       FIXTURES_REQUIRED FrameworkDesktop)
endif()
