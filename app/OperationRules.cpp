#include "app/OperationRules.h"

#include "engine/SyncOperation.h"

namespace evenkeeper {

const char* directionName(int direction) {
    switch (direction) {
        case kTopToBottom: return "Top to bottom";
        case kBottomToTop: return "Bottom to top";
        case kBothWays: return "Both ways";
        default: return "";
    }
}

const char* operationName(int operation) {
    switch (operation) {
        case kMove: return "Move";
        case kDuplicate: return "Duplicate";
        default: return "Copy";
    }
}

int nextDirection(int operation, int direction) {
    int limit = operation == kDuplicate ? kBothWays : kBothWays + 1;
    int next = direction + 1;
    return next < limit ? next : kTopToBottom;
}

}  // namespace evenkeeper
