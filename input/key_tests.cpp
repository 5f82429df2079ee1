#include "input/key_tests.h"

#include "input/input.h"
#include "system/runtime_error.h"

TKeyTests::TKeyTests(std::initializer_list<KeyTest> tests, bool ends_key_waits)
    : tests_(tests), ends_key_waits_(ends_key_waits) {
    for (std::size_t i = 0; i < tests_.size(); ++i)
        if (tests_[i].id != static_cast<int>(i))
            raise_runtime_error("Key test " + std::to_string(tests_[i].id) + " listed at " +
                                std::to_string(i));
}

PadKeys TKeyTests::pad_keys() const {
    // The controls meant for the first test of each key.
    auto first_test_of = [this](int code) {
        for (const KeyTest& test : tests_)
            if (test.key.code() == code) return test.meant_for;
        return PadControls{0};
    };
    PadKeys pad;
    pad.ends_key_waits = ends_key_waits_;
    for (int control = 0; control < platform::pad_control_count; ++control) {
        const PadControls mine = 1u << control;
        for (const KeyTest& test : tests_) {
            if ((test.meant_for & mine) && (first_test_of(test.key.code()) & mine)) {
                pad.keys[control] = test.key.code();
                break;
            }
        }
    }
    return pad;
}

int TKeyPass::hit(int id) {
    if (id <= last_ || id >= tests_.size())
        raise_runtime_error("Key test " + std::to_string(id) + " asked out of its order");
    last_ = id;
    return key_hit(tests_[id].key.code());
}
