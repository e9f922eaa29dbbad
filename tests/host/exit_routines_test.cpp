#include <gtest/gtest.h>

#include <string>

#include "host/exit_routines.h"

namespace pixmora::host {
namespace {

std::string calls;
void first() { calls += "1"; }
void second() { calls += "2"; }

TEST(ExitRoutines, RunOnceEachInRegistrationOrderWithoutDuplicates) {
    calls.clear();
    registerExitRoutine(second);
    registerExitRoutine(first);
    registerExitRoutine(second);
    registerExitRoutine(nullptr);
    runExitRoutines();
    EXPECT_EQ(calls, "21");
    runExitRoutines();
    EXPECT_EQ(calls, "21");
}

}  // namespace
}  // namespace pixmora::host
