#pragma once

namespace evenkeeper {

// What the result list asks of the main dialog: the opening of a file on a double-click.
class ResultListOwner {
public:
    virtual ~ResultListOwner() = default;
    virtual void openSelectedFile() = 0;
};

}  // namespace evenkeeper
