// Hands the module's notifications from the processing thread (an info text
// after a learned controller, a note in note-learn mode) to the
// user-interface thread: the poster copies the data into one of a fixed number
// of slots, without allocating or locking, and the user-interface thread
// takes them out in posting order. When every slot is taken the new message
// is dropped (they are transient notices).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kandrel::editor {

class TEditorMailbox {
public:
    static constexpr size_t kSlots = 16;
    static constexpr size_t kTextBytes = 128;  // longer texts are cut

    // Any thread. False when the message was dropped.
    bool PostInfo(std::string_view Text) noexcept;
    bool PostNote(int32_t Note) noexcept;

    // User-interface thread: every message posted so far, oldest first.
    void Drain(const std::function<void(const std::string& Text)>& OnInfo,
               const std::function<void(int32_t Note)>& OnNote);

private:
    enum : uint8_t { kFree, kFilling, kFull };
    struct TSlot {
        std::atomic<uint8_t> State{kFree};
        uint64_t Sequence = 0;
        bool IsNote = false;
        int32_t Note = 0;
        uint8_t Length = 0;
        char Text[kTextBytes] = {};
    };
    // A free slot, now being filled by the caller; null when none is free.
    TSlot* Claim() noexcept;

    std::array<TSlot, kSlots> FSlots;
    std::atomic<uint64_t> FNextSequence{0};
};

}  // namespace kandrel::editor
