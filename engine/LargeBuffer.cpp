// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LargeBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kestrano {
namespace {

constexpr std::size_t hugePage = std::size_t{2} << 20;

} // namespace

void* allocateLargeZeroed(std::size_t bytes, std::size_t& mapped)
{
    mapped = 0;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= hugePage) {
        // Over-allocate by one huge page so that the memory used can start on
        // a huge-page boundary; the system hands out zeroed pages.
        const std::size_t length = (bytes + 2 * hugePage - 1) & ~(hugePage - 1);
        void* raw =
            ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw != MAP_FAILED) {
            const auto start = reinterpret_cast<std::uintptr_t>(raw);
            const std::uintptr_t aligned = (start + hugePage - 1) & ~(hugePage - 1);
            const std::size_t head = aligned - start;
            if (head > 0) {
                ::munmap(raw, head);
            }
            mapped = length - head;
            ::madvise(reinterpret_cast<void*>(aligned), mapped, MADV_HUGEPAGE);
            return reinterpret_cast<void*>(aligned);
        }
    }
#endif
    void* memory = std::calloc(bytes, 1);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void releaseLarge(void* memory, std::size_t mapped)
{
#if defined(__linux__)
    if (mapped > 0) {
        ::munmap(memory, mapped);
        return;
    }
#endif
    std::free(memory);
}

} // namespace kestrano
