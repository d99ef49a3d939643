# The program: the main dialog's Win32 view, its entry and its resources.

# The help page's text belongs to the platform-free part. Natively, a checker reads it as
# XHTML.
target_sources(evenkeeper_app PRIVATE resources/HelpPageText.cpp)
if(NOT WIN32)
  add_executable(write_help_page tests/app/help/WriteHelpPage.cpp)
  target_link_libraries(write_help_page PRIVATE evenkeeper_app)
  add_test(NAME HelpPage.ValidXhtml
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/app/help/check-help-page
                   $<TARGET_FILE:write_help_page>)
endif()

if(WIN32)
  file(GLOB APP_WIN32_SOURCES CONFIGURE_DEPENDS app/win32/*.cpp)
  add_executable(evenkeeper WIN32 ${APP_WIN32_SOURCES} resources/evenkeeper.rc)
  # The resource compiler's dependencies are not scanned: a changed manifest must still
  # reach the exe.
  set_source_files_properties(resources/evenkeeper.rc PROPERTIES
                              OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/evenkeeper.manifest)
  set_source_files_properties(tests/support/win32/Utf8CodePage.rc PROPERTIES OBJECT_DEPENDS
                              ${CMAKE_SOURCE_DIR}/tests/support/win32/utf8-code-page.manifest)
  target_link_libraries(evenkeeper PRIVATE evenkeeper_app evenkeeper_framework comctl32 comdlg32
                        advapi32)

  # The real program driven under Wine through its windows, as a person would use it; on
  # the desktop the framework's GUI tests hold, one test at a time.
  add_library(evenkeeper_driver_support STATIC tests/app/driver/MainWindow.cpp
              tests/app/driver/ProgramFiles.cpp tests/app/driver/ProgramProcess.cpp
              tests/app/driver/RemoteBuffer.cpp tests/app/driver/Waiting.cpp
              tests/app/driver/ChooseWindow.cpp tests/app/driver/DrawnLines.cpp
              tests/support/win32/TempTree.cpp tests/support/win32/WineUnix.cpp
              tests/app/driver/ScreenText.cpp
              tests/app/driver/ShellOpens.cpp tests/app/driver/AboutBoxLines.cpp)
  target_include_directories(evenkeeper_driver_support PUBLIC ${CMAKE_SOURCE_DIR}
                             ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(evenkeeper_driver_support PUBLIC comctl32 shell32 gdi32
                        evenkeeper_framework_layout)
  add_dependencies(evenkeeper_driver_support evenkeeper shell_recorder)
  # What the shell opens during the driver tests, in place of a browser.
  add_executable(shell_recorder WIN32 tests/app/driver/recorder/ShellRecorder.cpp)

  file(GLOB DRIVER_TEST_SOURCES CONFIGURE_DEPENDS tests/app/driver/*Test.cpp)
  add_executable(evenkeeper_driver_tests ${DRIVER_TEST_SOURCES} tests/app/driver/DriverFixture.cpp
                 tests/support/win32/Utf8CodePage.rc)
  target_link_libraries(evenkeeper_driver_tests PRIVATE evenkeeper_driver_support gtest_main)
  gtest_discover_tests(evenkeeper_driver_tests TEST_PREFIX "Driver."
                       DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES RUN_SERIAL TRUE TIMEOUT 60 FIXTURES_REQUIRED FrameworkDesktop)

  # A picture of the main dialog with a plan, in the build folder (a folder of its own: the
  # framework gallery clears the pictures of its folder).
  add_executable(plan_screenshot tests/app/driver/screenshot/PlanScreenshot.cpp
                 tests/support/win32/Utf8CodePage.rc)
  target_link_libraries(plan_screenshot PRIVATE evenkeeper_driver_support)
  add_test(NAME Driver.Screenshot
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/app/driver/screenshot/take-screenshot
                   ${FRAMEWORK_WINE_ARCH} $<TARGET_FILE:plan_screenshot>
                   ${CMAKE_BINARY_DIR}/screenshots/program)
  set_tests_properties(Driver.Screenshot PROPERTIES RUN_SERIAL TRUE TIMEOUT 60
                       FIXTURES_REQUIRED FrameworkDesktop)

  # A picture of "Choose previous sync" with five operations, in a folder of its own.
  add_executable(choose_screenshot tests/app/driver/screenshot/ChooseScreenshot.cpp
                 tests/framework/gallery/ScreenCapture.cpp)
  target_link_libraries(choose_screenshot PRIVATE evenkeeper_driver_support gdi32)
  set(CHOOSE_SCREENSHOT_DIR ${CMAKE_BINARY_DIR}/screenshots/choose)
  file(MAKE_DIRECTORY ${CHOOSE_SCREENSHOT_DIR})
  add_test(NAME Driver.ChooseScreenshot
           COMMAND bash -c "rm -f choose.bmp choose.png && \"$0\" \"$1\" \"$2\" && convert choose.bmp choose.png && rm choose.bmp"
                   ${CMAKE_SOURCE_DIR}/scripts/wine-exec ${FRAMEWORK_WINE_ARCH}
                   $<TARGET_FILE:choose_screenshot>
           WORKING_DIRECTORY ${CHOOSE_SCREENSHOT_DIR})
  set_tests_properties(Driver.ChooseScreenshot PROPERTIES RUN_SERIAL TRUE TIMEOUT 60
                       FIXTURES_REQUIRED FrameworkDesktop)

  # A short run of the whole program as a user gets it: here the build's own exe, in the
  # release check the installed one, natively or under CPU emulation.
  add_executable(evenkeeper_smoke_test tests/app/driver/smoke/ShippedProgramTest.cpp)
  target_link_libraries(evenkeeper_smoke_test PRIVATE evenkeeper_driver_support gtest version)
  add_test(NAME Driver.Smoke COMMAND evenkeeper_smoke_test)
  set_tests_properties(Driver.Smoke PROPERTIES RUN_SERIAL TRUE TIMEOUT 60
                       FIXTURES_REQUIRED FrameworkDesktop)

  # A picture of the real program's about box, in the same folder.
  add_executable(about_screenshot tests/app/driver/screenshot/AboutScreenshot.cpp
                 tests/framework/gallery/ScreenCapture.cpp)
  target_link_libraries(about_screenshot PRIVATE evenkeeper_driver_support)
  add_test(NAME Driver.AboutScreenshot
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/app/driver/screenshot/take-about-screenshot
                   ${FRAMEWORK_WINE_ARCH} $<TARGET_FILE:about_screenshot>
                   ${CMAKE_BINARY_DIR}/screenshots/program)
  set_tests_properties(Driver.AboutScreenshot PROPERTIES RUN_SERIAL TRUE TIMEOUT 60
                       FIXTURES_REQUIRED FrameworkDesktop)
endif()
