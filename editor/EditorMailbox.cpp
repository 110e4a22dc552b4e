#include "editor/EditorMailbox.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kandrel::editor {

TEditorMailbox::TSlot* TEditorMailbox::Claim() noexcept {
    for (TSlot& slot : FSlots) {
        uint8_t expected = kFree;
        if (slot.State.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
            slot.Sequence = FNextSequence.fetch_add(1, std::memory_order_relaxed);
            return &slot;
        }
    }
    return nullptr;
}

bool TEditorMailbox::PostInfo(std::string_view Text) noexcept {
    TSlot* slot = Claim();
    if (slot == nullptr) return false;
    const size_t length = std::min(Text.size(), kTextBytes);
    std::memcpy(slot->Text, Text.data(), length);
    slot->Length = static_cast<uint8_t>(length);
    slot->IsNote = false;
    slot->State.store(kFull, std::memory_order_release);
    return true;
}

bool TEditorMailbox::PostNote(int32_t Note) noexcept {
    TSlot* slot = Claim();
    if (slot == nullptr) return false;
    slot->Note = Note;
    slot->IsNote = true;
    slot->State.store(kFull, std::memory_order_release);
    return true;
}

void TEditorMailbox::Drain(const std::function<void(const std::string& Text)>& OnInfo,
                           const std::function<void(int32_t Note)>& OnNote) {
    std::vector<TSlot*> full;
    for (TSlot& slot : FSlots)
        if (slot.State.load(std::memory_order_acquire) == kFull) full.push_back(&slot);
    std::sort(full.begin(), full.end(), [](const TSlot* A, const TSlot* B) { return A->Sequence < B->Sequence; });
    for (TSlot* slot : full) {
        // Copied out first: the handler may take long, and the slot is free again at once.
        const bool isNote = slot->IsNote;
        const int32_t note = slot->Note;
        std::string text(slot->Text, slot->Length);
        slot->State.store(kFree, std::memory_order_release);
        if (isNote) {
            if (OnNote) OnNote(note);
        } else if (OnInfo) {
            OnInfo(text);
        }
    }
}

}  // namespace kandrel::editor
