#pragma once
// An allocator for the few arrays that hold a whole project (every cell of a
// table, every record of a database table). Those are touched once, page by
// page, right after they are allocated, and on Linux each first touch of a
// 4 KiB page is a fault: at 100,000 pipes that was a fifth of a run. Blocks of
// 2 MiB and more are mapped on their own, aligned to 2 MiB and marked for
// transparent huge pages, so the kernel can back them 2 MiB at a time. Smaller
// blocks, and platforms without madvise, use operator new as usual.
#include <cstddef>
#include <new>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>

#include <cstdint>
#define TARVELLO_BULK_MAPPING 1
#endif

namespace tarvello {

namespace bulk_memory {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

#ifdef TARVELLO_BULK_MAPPING
inline std::size_t mappedSize(std::size_t bytes) {
  return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

// A 2 MiB-aligned mapping of mappedSize(bytes), or nullptr.
inline void* map(std::size_t bytes) {
  const std::size_t size = mappedSize(bytes);
  // Over-map by one huge page and cut the ends off to get the alignment.
  const std::size_t span = size + kHugePage;
  void* raw = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePage - 1) & ~(std::uintptr_t{kHugePage} - 1);
  if (aligned > start) ::munmap(raw, aligned - start);
  const std::uintptr_t end = start + span;
  if (end > aligned + size) ::munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
  void* p = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
  ::madvise(p, size, MADV_HUGEPAGE);  // advice only: a kernel that declines still maps 4 KiB pages
#endif
  return p;
}

inline void unmap(void* p, std::size_t bytes) { ::munmap(p, mappedSize(bytes)); }
#endif

}  // namespace bulk_memory

template <class T>
struct BulkAllocator {
  using value_type = T;

  BulkAllocator() noexcept = default;
  template <class U>
  BulkAllocator(const BulkAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
#ifdef TARVELLO_BULK_MAPPING
    if (bytes >= bulk_memory::kHugePage) {
      if (void* p = bulk_memory::map(bytes)) return static_cast<T*>(p);
      throw std::bad_alloc();
    }
#endif
    return static_cast<T*>(::operator new(bytes));
  }

  void deallocate(T* p, [[maybe_unused]] std::size_t n) noexcept {
#ifdef TARVELLO_BULK_MAPPING
    if (n * sizeof(T) >= bulk_memory::kHugePage) {
      bulk_memory::unmap(p, n * sizeof(T));
      return;
    }
#endif
    ::operator delete(p);
  }

  template <class U>
  bool operator==(const BulkAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace tarvello
