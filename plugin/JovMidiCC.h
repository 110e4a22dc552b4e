// Assignments of MIDI controllers to parameters: which control change drives
// which parameter over its whole range.
//
// The processing thread maps controllers on every control change and records
// learned assignments; the editor adds, removes and clears them. So the list
// holds no strings and never grows: an item is a parameter index and a
// controller number, both atomic, in a fixed array of one slot per parameter
// (a parameter has at most one assignment). A reader that overlaps a change may
// see the list half-way for that one event; it never sees freed memory.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vst2 {
class TVSTModule;
}

namespace kandrel {

class TMidiCCList;

class TMidiCCItem {
public:
    int32_t CC() const noexcept { return FCC.load(std::memory_order_relaxed); }
    void SetCC(int32_t Value) noexcept { FCC.store(Value, std::memory_order_relaxed); }
    int32_t ParameterIndex() const noexcept { return FParameterIndex.load(std::memory_order_relaxed); }
    // The assigned parameter's display name. User-interface thread.
    std::string ParameterName() const;
    // Copies both fields.
    void Assign(const TMidiCCItem& Source) noexcept;

private:
    friend class TMidiCCList;
    const TMidiCCList* FOwner = nullptr;
    std::atomic<int32_t> FCC{0};
    std::atomic<int32_t> FParameterIndex{-1};
};

class TMidiCCList {
public:
    explicit TMidiCCList(const vst2::TVSTModule& Module);

    // Assigns controller CC to the named parameter: replaces the number of its
    // item, or appends one. A name that no parameter has is not kept (it could
    // never drive anything) and gives null. Any thread.
    TMidiCCItem* AssignCC(std::string_view ParameterName, int32_t CC) noexcept;
    TMidiCCItem* AssignCCToIndex(int32_t ParameterIndex, int32_t CC) noexcept;
    // Position of the parameter's item, -1 when it has none (exact, case-sensitive name).
    int32_t IndexOfParameter(std::string_view ParameterName) const noexcept;
    int32_t IndexOfParameterIndex(int32_t ParameterIndex) const noexcept;
    int32_t Count() const noexcept { return FCount.load(std::memory_order_acquire); }
    // By position; throws std::out_of_range outside 0..Count-1.
    TMidiCCItem& GetItem(int32_t Index);
    const TMidiCCItem& GetItem(int32_t Index) const;
    void Delete(int32_t Index) noexcept;
    void Clear() noexcept;

    // Calls Drive(parameter index) for every item on controller CC, in list
    // order. Processing thread; allocates nothing.
    template <class Handler>
    void ForEachAssigned(int32_t CC, Handler&& Drive) const noexcept {
        const int32_t count = Count();
        for (int32_t i = 0; i < count && i < FCapacity; ++i) {
            const TMidiCCItem& item = FItems[static_cast<size_t>(i)];
            if (item.CC() == CC) {
                const int32_t parameter = item.ParameterIndex();
                if (parameter >= 0) Drive(parameter);
            }
        }
    }

    const vst2::TVSTModule& Module() const noexcept { return FModule; }

private:
    const vst2::TVSTModule& FModule;
    int32_t FCapacity;
    std::unique_ptr<TMidiCCItem[]> FItems;
    std::atomic<int32_t> FCount{0};
};

}  // namespace kandrel
