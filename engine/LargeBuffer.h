// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

namespace kestrano {

// Zeroed memory of at least `bytes`; `mapped` is set to the length of a system
// mapping, or 0 when the memory came from the ordinary heap.
void* allocateLargeZeroed(std::size_t bytes, std::size_t& mapped);
void releaseLarge(void* memory, std::size_t mapped);

// A zero-filled array of trivially copyable values. Large ones come straight
// from the system, in huge pages where it offers them: filling a dictionary
// touches tens of megabytes at every load, and taking them in 4 KiB page
// faults cost more than everything else the load does.
template <typename T> class LargeBuffer
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    LargeBuffer() = default;
    explicit LargeBuffer(std::size_t count) : size_(count)
    {
        if (count > 0) {
            data_ = static_cast<T*>(allocateLargeZeroed(count * sizeof(T), mapped_));
        }
    }
    ~LargeBuffer() { release(); }

    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;
    LargeBuffer(LargeBuffer&& other) noexcept { *this = std::move(other); }
    LargeBuffer& operator=(LargeBuffer&& other) noexcept
    {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            mapped_ = std::exchange(other.mapped_, 0);
        }
        return *this;
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    T& operator[](std::size_t index) { return data_[index]; }
    const T& operator[](std::size_t index) const { return data_[index]; }

private:
    void release()
    {
        if (data_ != nullptr) {
            releaseLarge(data_, mapped_);
        }
        data_ = nullptr;
        size_ = 0;
        mapped_ = 0;
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;
};

} // namespace kestrano
