#pragma once
#include <cstddef>

namespace evenkeeper {

// The block allocator of the growable tables; tests hand in one that fails on demand.
using Reallocate = void* (*)(void* block, std::size_t bytes);

}  // namespace evenkeeper
