#include "app/ControllerFixture.h"

#include <cstring>

#include "platform/TextCompare.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {

bool TreeFileSystem::tempFolder(char* buffer, int size) {
    if (temp.empty() || int(temp.size()) >= size) return false;
    std::strcpy(buffer, temp.c_str());
    return true;
}

int StepPump::pumpMessages() {
    if (once) {
        std::function<void()> step = std::move(once);
        once = nullptr;
        step();
    }
    return CountingPump::pumpMessages();
}

ControllerFixture::ControllerFixture()
    : controller(view, {top, bottom, store, files, bin, systemTextCompare(), pump, clock, userFolders,
                        fileDialog, helpPage, rowFiles}),
      top({systemDirectorySearch(), systemTextCompare(), controller.engineDialog(), pump}),
      bottom({systemDirectorySearch(), systemTextCompare(), controller.engineDialog(), pump}) {
    tree.folder("temp");
    userFolders.folder = tree.path("AppData");
}

void ControllerFixture::storeOperation(const std::string& topFolder, const std::string& bottomFolder,
                                       Operation operation, Direction direction, int levels) {
    auto inTree = [this](const std::string& folder) { return folder.empty() ? folder : tree.path(folder); };
    tree.file(dataFile(),
              "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=0\r\n[a]\r\n" + inTree(topFolder) +
                  "\r\n" + inTree(bottomFolder) + "\r\noperation=" + std::to_string(operation) +
                  "\r\ndirection=" + std::to_string(direction) + "\r\nlevels=" +
                  std::to_string(levels) + "\r\nnot used\r\n",
              kBaseTime);
}

void ControllerFixture::startOnOneFile() {
    tree.file("top\\a.txt", "alpha", kBaseTime);
    tree.folder("bottom");
    storeOperation("top\\", "bottom\\");
    start();
}

void ControllerFixture::commit(Field field, const std::string& text) {
    view.fields[field] = text;
    controller.command(field == Field::topFolder      ? IDC_TOP_FOLDER
                       : field == Field::bottomFolder ? IDC_BOTTOM_FOLDER
                                                      : IDC_LEVELS);
}

}  // namespace evenkeeper::test
