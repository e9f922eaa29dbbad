// Test programs start GDI+ once, as the program's entry sequence does.
#include <gtest/gtest.h>

#include "shell/startup.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    pixmora::startGdiplus();
    return RUN_ALL_TESTS();
}
