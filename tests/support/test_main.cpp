// Every test program starts the library layer the way the game does.
#include "system/startup.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    system_startup();
    int result = RUN_ALL_TESTS();
    run_exit_hooks();
    return result;
}
