// Every buffer of samples is sized through here: a failed allocation throws std::bad_alloc,
// which the sampling entry point turns into "Not enough memory". Tests set a limit to make
// an allocation fail without exhausting the machine.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <new>
#include <vector>

namespace plotwise {

namespace sample_buffer_detail {
inline std::size_t limitBytes = std::numeric_limits<std::size_t>::max();
}

// Buffers larger than this many bytes fail as if memory had run out (tests only).
class ScopedSampleMemoryLimit {
  public:
    explicit ScopedSampleMemoryLimit(std::size_t bytes)
        : previous_(sample_buffer_detail::limitBytes) {
        sample_buffer_detail::limitBytes = bytes;
    }
    ~ScopedSampleMemoryLimit() { sample_buffer_detail::limitBytes = previous_; }
    ScopedSampleMemoryLimit(const ScopedSampleMemoryLimit&) = delete;
    ScopedSampleMemoryLimit& operator=(const ScopedSampleMemoryLimit&) = delete;

  private:
    std::size_t previous_;
};

template <typename T>
void ReserveSamples(std::vector<T>& buffer, std::size_t count) {
    if (count > sample_buffer_detail::limitBytes / sizeof(T)) throw std::bad_alloc();
    buffer.reserve(count);
}

template <typename T>
void ResizeSamples(std::vector<T>& buffer, std::size_t count, const T& value = T()) {
    ReserveSamples(buffer, count);
    buffer.assign(count, value);
}

// Room for `extra` more elements, growing geometrically.
template <typename T>
void GrowSamples(std::vector<T>& buffer, std::size_t extra) {
    if (buffer.size() + extra <= buffer.capacity()) return;
    ReserveSamples(buffer, std::max(buffer.size() + extra, 2 * buffer.capacity() + 64));
}

}  // namespace plotwise
