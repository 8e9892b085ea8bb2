// A world started afresh and played: shared by the new-world test, which plays it in place
// after another world, and by the fresh_world program, which plays it in a process of its own.
#pragma once

#include <cstdint>

#include "app/frame_tick.h"
#include "app/input.h"
#include "app/world_start.h"
#include "platform/time_source.h"

namespace fresh_world {

constexpr int kPointerX = 400, kPointerY = 300;  // over the avatar: no edge scrolling
constexpr uint32_t kFrameMs = 21;

// Unpaused frames 21 ms apart from `startMs` on the time source, the pointer resting over the
// avatar. The first only starts the tick clock.
inline void PlayFrames(uint32_t startMs, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    SetManualTime(startMs + kFrameMs * frame);
    AdvanceUnpausedFrame(800, EdgeScrollPointerX());
  }
}

}  // namespace fresh_world
