// The GUI tests need the list-view classes, as the program does.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
