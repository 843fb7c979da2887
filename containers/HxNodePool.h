//===- HxNodePool.h - Pooled memory for list nodes --------------*- C++ -*-===//
//
// HxNodePool<Size, Align> hands out blocks of Size bytes (aligned to Align) for the linked lists'
// nodes and sentinels: it carves them from chunks of 64 KiB and keeps freed blocks on a free list
// for the next allocation of the same size, so a list node costs no call into the general allocator
// and carries no allocator header. Chunks are kept for the life of the process (the free blocks of
// a large network are reused by the next one). Like the containers, the pool is used from one
// thread, the host's command thread. Under AddressSanitizer the pool passes every block to the
// general allocator, so that stale node pointers are still caught.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <new>

template <std::size_t Size, std::size_t Align> class HxNodePool {
public:
    static void* Allocate() {
#if defined(__SANITIZE_ADDRESS__)
        return ::operator new(Size);
#else
        Pool& pool = Instance();
        if (pool.free == nullptr)
            pool.Refill();
        FreeBlock* block = pool.free;
        pool.free = block->next;
        return block;
#endif
    }
    static void Release(void* p) {
#if defined(__SANITIZE_ADDRESS__)
        ::operator delete(p);
#else
        if (p == nullptr)
            return;
        Pool& pool = Instance();
        auto* block = static_cast<FreeBlock*>(p);
        block->next = pool.free;
        pool.free = block;
#endif
    }

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static constexpr std::size_t kAlign = Align < alignof(FreeBlock) ? alignof(FreeBlock) : Align;
    static constexpr std::size_t kBlock = (Size + kAlign - 1) / kAlign * kAlign;
    static constexpr std::size_t kChunk = 64 * 1024;
    static_assert(Size >= sizeof(FreeBlock), "a block must hold the free list link");
    static_assert(kAlign <= alignof(std::max_align_t), "chunks are aligned for any basic type");

    struct Pool {
        FreeBlock* free = nullptr;
        // Carves a new chunk into blocks on the free list.
        void Refill() {
            char* chunk = static_cast<char*>(::operator new(kChunk));
            const std::size_t count = kChunk / kBlock;
            for (std::size_t i = count; i-- > 0;) {
                auto* block = reinterpret_cast<FreeBlock*>(chunk + i * kBlock);
                block->next = free;
                free = block;
            }
        }
    };
    static Pool& Instance() {
        static Pool pool;
        return pool;
    }
};

// Class-level allocation through the pool, for the node types.
#define HX_POOLED_NODE(Type)                                                                       \
    static void* operator new(std::size_t size) {                                                  \
        return size == sizeof(Type) ? HxNodePool<sizeof(Type), alignof(Type)>::Allocate()          \
                                    : ::operator new(size);                                        \
    }                                                                                              \
    static void operator delete(void* p, std::size_t size) {                                       \
        if (size == sizeof(Type))                                                                  \
            HxNodePool<sizeof(Type), alignof(Type)>::Release(p);                                   \
        else                                                                                       \
            ::operator delete(p);                                                                  \
    }
