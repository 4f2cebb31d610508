#include "net/ByteBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

/// From this size on, buffers are mapped rather than taken from the heap.
constexpr size_t kMappedFrom = 1 << 20;

void AskForHugePages(char* start, size_t length)
{
    // A hint only: where the kernel has no transparent huge pages this fails harmlessly.
    madvise(start, length, MADV_HUGEPAGE);
}

} // namespace

ByteBuffer::~ByteBuffer()
{
    Release();
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : m_heap(std::move(other.m_heap)), m_mapped(std::exchange(other.m_mapped, nullptr)),
      m_length(std::exchange(other.m_length, 0)), m_capacity(std::exchange(other.m_capacity, 0))
{
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    if (this != &other) {
        Release();
        m_heap = std::move(other.m_heap);
        m_mapped = std::exchange(other.m_mapped, nullptr);
        m_length = std::exchange(other.m_length, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
    }
    return *this;
}

void ByteBuffer::Append(std::string_view bytes)
{
    if (bytes.empty())
        return;
    if (bytes.size() > m_capacity - m_length)
        Reserve(std::max(m_length + bytes.size(), m_capacity * 2));
    std::memcpy(Bytes() + m_length, bytes.data(), bytes.size());
    m_length += bytes.size();
}

void ByteBuffer::Reserve(size_t capacity)
{
    if (capacity <= m_capacity)
        return;
    if (capacity >= kMappedFrom)
        return ReserveMapped(capacity);
    // Uninitialised on purpose: every byte below m_length is written before it is read.
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_length)
        std::memcpy(bigger.get(), m_heap.get(), m_length);
    m_heap = std::move(bigger);
    m_capacity = capacity;
}

void ByteBuffer::ReserveMapped(size_t capacity)
{
    void* memory = MAP_FAILED;
    if (m_mapped) {
        memory = mremap(m_mapped, m_capacity, capacity, MREMAP_MAYMOVE);
    } else {
        memory = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory != MAP_FAILED && m_length)
            std::memcpy(memory, m_heap.get(), m_length);
    }
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    m_mapped = static_cast<char*>(memory);
    m_heap.reset();
    m_capacity = capacity;
    AskForHugePages(m_mapped, m_capacity);
}

void ByteBuffer::Release()
{
    if (m_mapped)
        munmap(m_mapped, m_capacity);
    m_mapped = nullptr;
    m_heap.reset();
    m_length = 0;
    m_capacity = 0;
}
