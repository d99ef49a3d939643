#include "app/FakeMainView.h"

#include <cstdio>

namespace evenkeeper::test {
namespace {

const char* fieldName(Field field) {
    switch (field) {
        case Field::topFolder: return "top";
        case Field::bottomFolder: return "bottom";
        case Field::levels: return "levels";
        case Field::none: break;
    }
    return "none";
}

std::string rectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

const char* onOff(bool on) { return on ? "on" : "off"; }

}  // namespace

void SelectableRows::deleteRow(int row) {
    list.deleteRow(row);
    if (row == selected) selected = -1;
    else if (row < selected) --selected;
}

void FakeMainView::setWindowPlacement(const WindowPlacement& in) {
    calls.push_back("placement");
    placement.setWindowPlacement(in);
}

FrameMetrics FakeMainView::measureFrame() {
    calls.push_back("measure");
    return frame;
}

void FakeMainView::insertColumns(const std::int32_t widths[4]) {
    calls.push_back("columns " + std::to_string(widths[0]) + " " + std::to_string(widths[1]) + " " +
                    std::to_string(widths[2]) + " " + std::to_string(widths[3]));
}

void FakeMainView::moveStatusAndList(const Rect& status, const Rect& list) {
    calls.push_back("layout " + rectText(status) + " " + rectText(list));
}

void FakeMainView::setFieldText(Field field, const char* text) {
    calls.push_back(std::string("field ") + fieldName(field) + " " + text);
    fields[field] = text;
}

std::string FakeMainView::fieldText(Field field, int maxLength) {
    return fields[field].substr(0, std::size_t(maxLength));
}

void FakeMainView::checkOperation(int operation) {
    calls.push_back("check " + std::to_string(operation));
}

void FakeMainView::setMiddleLabel(const char* text) {
    calls.push_back(std::string("middle label ") + text);
}

void FakeMainView::enableMiddleButton(bool enable) {
    calls.push_back(std::string("middle ") + onOff(enable));
    middleEnabled = enable;
}

void FakeMainView::setDirectionIcon(int direction) {
    calls.push_back("icon " + std::to_string(direction));
}

void FakeMainView::setStatusText(const char* text) {
    calls.push_back(std::string("status ") + text);
}

void FakeMainView::enableInputs(bool enable) {
    calls.push_back(std::string("inputs ") + onOff(enable));
}

void FakeMainView::enableMenuItem(int command, bool enable) {
    calls.push_back("menu " + std::to_string(command) + " " + onOff(enable));
    menuItems[command] = enable;
}

int FakeMainView::messageBox(const char* text, const char* caption, std::uint32_t flags) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%x", unsigned(flags));
    calls.push_back("message " + std::string(hex) + " " + caption + ": " + text);
    if (answers.empty()) return 1;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeMainView::browseFolder(const char* title, std::string& folder) {
    calls.push_back(std::string("browse ") + title);
    if (browsePicks) folder = browsed;
    return browsePicks;
}

void FakeMainView::openWithShell(const char* path) { calls.push_back(std::string("open ") + path); }

void FakeMainView::showFilePopup(int x, int y) {
    calls.push_back("popup " + std::to_string(x) + " " + std::to_string(y));
}

void FakeMainView::endDialog(int result) { calls.push_back("end " + std::to_string(result)); }

std::vector<std::string> FakeMainView::take() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
}

}  // namespace evenkeeper::test
