#include "app/OperationRules.h"

namespace evenkeeper {

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
