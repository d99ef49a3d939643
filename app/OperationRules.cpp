#include "app/OperationRules.h"

namespace evenkeeper {

const char* directionName(Direction direction) {
    switch (direction) {
        case kTopToBottom: return "Top to bottom";
        case kBottomToTop: return "Bottom to top";
        case kBothWays: return "Both ways";
        default: return "";
    }
}

const char* operationName(Operation operation) {
    switch (operation) {
        case kMove: return "Move";
        case kDuplicate: return "Duplicate";
        default: return "Copy";
    }
}

Direction nextDirection(Operation operation, Direction direction) {
    int limit = operation == kDuplicate ? kBothWays : kBothWays + 1;
    int next = direction + 1;
    return next < limit ? Direction(next) : kTopToBottom;
}

}  // namespace evenkeeper
