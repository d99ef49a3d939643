#include "app/MainLayout.h"

#include <algorithm>

namespace evenkeeper {

MainLayout layOutMain(Size client, const FrameMetrics& frame) {
    MainLayout layout;
    layout.statusBar = {0, client.height - frame.statusHeight, client.width, client.height};
    int listWidth = client.width - 2 * frame.frameThickness - frame.layoutOffset;
    int listHeight = client.height - frame.statusHeight - frame.frameThickness - kListTop;
    layout.list = {0, kListTop, std::max(listWidth, 0), kListTop + std::max(listHeight, 0)};
    return layout;
}

}  // namespace evenkeeper
