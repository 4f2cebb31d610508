#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

/// Owned bytes with an explicit length and no terminator. Capacity grows
/// geometrically, so filling it block by block costs linear time, and a
/// caller that knows the final size reserves it once. Large buffers are
/// mapped memory that asks for huge pages and grows by remapping, without
/// copying: a body of hundreds of megabytes then costs few page faults and
/// never exists twice. Throws std::bad_alloc when memory runs out.
class ByteBuffer
{
public:
    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    /// Empty appends are ignored. `bytes` must not point into this buffer.
    void Append(std::string_view bytes);
    /// Makes room for `capacity` bytes in all, without changing the contents.
    void Reserve(size_t capacity);
    /// Empties the buffer but keeps its memory.
    void Clear() { m_length = 0; }
    /// Empties the buffer and frees its memory.
    void Release();

    /// Null when empty.
    const char* Data() const { return m_length ? Bytes() : nullptr; }
    size_t Length() const { return m_length; }
    size_t Capacity() const { return m_capacity; }
    std::string_view View() const { return {Bytes(), m_length}; }

private:
    char* Bytes() const { return m_mapped ? m_mapped : m_heap.get(); }
    void ReserveMapped(size_t capacity);

    std::unique_ptr<char[]> m_heap;   ///< small buffers
    char* m_mapped = nullptr;         ///< large buffers: m_capacity bytes from mmap, owned
    size_t m_length = 0;
    size_t m_capacity = 0;
};
