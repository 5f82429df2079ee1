// Every input test starts like the game with a display open: the input layer
// started, a window up and the polled state connected, nothing held or typed.
#pragma once

#include "system/event.h"

#include <gtest/gtest.h>
#include <vector>

class InputTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
};

// Records every emitted event after the polled-input hook has seen it.
class EventRecorder {
  public:
    struct Seen {
        int id, data, mods, x, y;
    };
    EventRecorder();
    ~EventRecorder();
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    std::vector<Seen> events;
    // The data of every recorded event of that id, in order.
    std::vector<int> data_of(int id) const;
    std::vector<int> ids() const;

  private:
    static EventRef record(int hook_id, EventRef event, void* context);
};
