#pragma once
// Room in another process for the structures and texts that its controls read and write:
// a list view or status bar of the program takes pointers in its own address space.
#include <windows.h>

#include <cstddef>

namespace evenkeeper::driver {

class RemoteBuffer {
public:
    // Room of `size` bytes in the process that owns `window`.
    RemoteBuffer(HWND window, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The room's address in the other process, at an offset.
    LPARAM at(std::size_t offset = 0) const;
    void write(const void* data, std::size_t size, std::size_t offset = 0);
    void read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_ = nullptr;
    char* room_ = nullptr;
};

}  // namespace evenkeeper::driver
