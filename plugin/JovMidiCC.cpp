#include "plugin/JovMidiCC.h"

#include <stdexcept>

#include "common/JovCommon.h"
#include "vst2/VSTModule.h"

namespace kandrel {

std::string TMidiCCItem::ParameterName() const { return FOwner->Module().ParameterDisplayName(ParameterIndex()); }

void TMidiCCItem::Assign(const TMidiCCItem& Source) noexcept {
    SetCC(Source.CC());
    FParameterIndex.store(Source.ParameterIndex(), std::memory_order_relaxed);
}

TMidiCCList::TMidiCCList(const vst2::TVSTModule& Module)
    : FModule(Module), FCapacity(Module.numParams()), FItems(new TMidiCCItem[static_cast<size_t>(FCapacity)]) {
    for (int32_t i = 0; i < FCapacity; ++i) FItems[static_cast<size_t>(i)].FOwner = this;
}

TMidiCCItem* TMidiCCList::AssignCC(std::string_view ParameterName, int32_t CC) noexcept {
    return AssignCCToIndex(FModule.ParameterIndexOf(ParameterName), CC);
}

TMidiCCItem* TMidiCCList::AssignCCToIndex(int32_t ParameterIndex, int32_t CC) noexcept {
    if (ParameterIndex < 0 || ParameterIndex >= FCapacity) return nullptr;
    const int32_t existing = IndexOfParameterIndex(ParameterIndex);
    if (existing >= 0) {
        FItems[static_cast<size_t>(existing)].SetCC(CC);
        return &FItems[static_cast<size_t>(existing)];
    }
    // The slot is claimed before it is filled: learning on the processing
    // thread may append while a preset load on the user-interface thread
    // clears and appends, and neither may overwrite the other's item or bring
    // back cleared ones.
    int32_t count = Count();
    do {
        if (count >= FCapacity) return nullptr;  // cannot happen: one item per parameter
    } while (!FCount.compare_exchange_weak(count, count + 1, std::memory_order_acq_rel, std::memory_order_acquire));
    TMidiCCItem& item = FItems[static_cast<size_t>(count)];
    item.SetCC(CC);
    item.FParameterIndex.store(ParameterIndex, std::memory_order_release);
    return &item;
}

void TMidiCCList::Clear() noexcept {
    // Emptied slots drive nothing even for a reader that still counts them.
    const int32_t count = Count();
    for (int32_t i = 0; i < count && i < FCapacity; ++i)
        FItems[static_cast<size_t>(i)].FParameterIndex.store(-1, std::memory_order_relaxed);
    FCount.store(0, std::memory_order_release);
}

int32_t TMidiCCList::IndexOfParameter(std::string_view ParameterName) const noexcept {
    const int32_t parameter = FModule.ParameterIndexOf(ParameterName);
    return parameter < 0 ? -1 : IndexOfParameterIndex(parameter);
}

int32_t TMidiCCList::IndexOfParameterIndex(int32_t ParameterIndex) const noexcept {
    const int32_t count = Count();
    for (int32_t i = 0; i < count; ++i)
        if (FItems[static_cast<size_t>(i)].ParameterIndex() == ParameterIndex) return i;
    return -1;
}

TMidiCCItem& TMidiCCList::GetItem(int32_t Index) {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + IntToText(Index, false) + ")");
    return FItems[static_cast<size_t>(Index)];
}

const TMidiCCItem& TMidiCCList::GetItem(int32_t Index) const { return const_cast<TMidiCCList*>(this)->GetItem(Index); }

void TMidiCCList::Delete(int32_t Index) noexcept {
    const int32_t count = Count();
    if (Index < 0 || Index >= count) return;
    for (int32_t i = Index; i + 1 < count; ++i) FItems[static_cast<size_t>(i)].Assign(FItems[static_cast<size_t>(i + 1)]);
    FItems[static_cast<size_t>(count - 1)].FParameterIndex.store(-1, std::memory_order_relaxed);
    FCount.store(count - 1, std::memory_order_release);
}

}  // namespace kandrel
