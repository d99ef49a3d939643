#pragma once
// Resources of the framework's GUI tests (also read by windres).

#define TEST_ICON 102
#define TEST_DIALOG 200
#define TEST_EDIT 1001
#define TEST_BUTTON 1008
#define TEST_LIST 1000
#define TEST_PLAIN_LIST 1014
#define TEST_DRAWN_BUTTON 1020
#define TEST_PLAIN_DRAWN_BUTTON 1021
#define TEST_DIALOG_CONTROLS 6
