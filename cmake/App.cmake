# The program: the main dialog's Win32 view, its entry and its resources.
if(WIN32)
  file(GLOB APP_WIN32_SOURCES CONFIGURE_DEPENDS app/win32/*.cpp)
  add_executable(evenkeeper WIN32 ${APP_WIN32_SOURCES} resources/evenkeeper.rc)
  target_link_libraries(evenkeeper PRIVATE evenkeeper_app evenkeeper_framework comctl32 comdlg32)
endif()
