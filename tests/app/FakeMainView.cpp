#include "app/FakeMainView.h"

#include <cstdio>

namespace evenkeeper::test {
namespace {

std::string rectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

}  // namespace

void SelectableRows::deleteRow(int row) {
    list.deleteRow(row);
    if (row == selected) selected = -1;
    else if (row < selected) --selected;
}

std::vector<std::string> FakeMainView::take() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
}

void FakeMainView::insertColumns(const std::int32_t widths[4]) {
    calls.push_back("columns " + std::to_string(widths[0]) + " " + std::to_string(widths[1]) + " " +
                    std::to_string(widths[2]) + " " + std::to_string(widths[3]));
}

void FakeMainView::moveStatusAndList(const Rect& status, const Rect& list) {
    calls.push_back("layout " + rectText(status) + " " + rectText(list));
}

void FakeMainView::setFieldText(Field field, const char* text) {
    const char* name = field == Field::topFolder ? "top " : field == Field::bottomFolder ? "bottom " : "levels ";
    calls.push_back(std::string("field ") + name + text);
    fields[field] = text;
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

}  // namespace evenkeeper::test
