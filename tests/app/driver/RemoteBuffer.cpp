#include "app/driver/RemoteBuffer.h"

namespace evenkeeper::driver {

RemoteBuffer::RemoteBuffer(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId);
    if (process_)
        room_ = static_cast<char*>(
            VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteBuffer::~RemoteBuffer() {
    if (room_) VirtualFreeEx(process_, room_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

LPARAM RemoteBuffer::at(std::size_t offset) const { return reinterpret_cast<LPARAM>(room_ + offset); }

void RemoteBuffer::write(const void* data, std::size_t size, std::size_t offset) {
    if (room_) WriteProcessMemory(process_, room_ + offset, data, size, nullptr);
}

void RemoteBuffer::read(void* data, std::size_t size, std::size_t offset) const {
    if (!room_ || !ReadProcessMemory(process_, room_ + offset, data, size, nullptr))
        ZeroMemory(data, size);
}

}  // namespace evenkeeper::driver
