#include <gtest/gtest.h>

#include <vector>

#include "intake/window_proc_stub_code.h"

namespace pixmora {
namespace {

TEST(X86WindowProcStubCode, KeepsTheReturnAddressInEcxAndEmbedsBothValues) {
    const auto code = x86WindowProcStubCode(0x11223344u, 0xA1B2C3D4u);
    const std::vector<std::uint8_t> expected{0x59,                    // pop ecx
                                             0x68, 0x44, 0x33, 0x22, 0x11,  // push object
                                             0x51,                    // push ecx
                                             0xB8, 0xD4, 0xC3, 0xB2, 0xA1,  // mov eax, routine
                                             0xFF, 0xE0};             // jmp eax
    EXPECT_EQ(std::vector<std::uint8_t>(code.begin(), code.end()), expected);
}

TEST(X64WindowProcStubCode, ShiftsTheArgumentsAndCallsWithinItsOwnFrame) {
    const auto code = x64WindowProcStubCode(0x0102030405060708ull, 0x1112131415161718ull);
    const std::vector<std::uint8_t> expected{
        0x48, 0x83, 0xEC, 0x38,        // sub rsp, 38h
        0x4C, 0x89, 0x4C, 0x24, 0x20,  // mov [rsp+20h], r9
        0x4D, 0x89, 0xC1,              // mov r9, r8
        0x49, 0x89, 0xD0,              // mov r8, rdx
        0x48, 0x89, 0xCA,              // mov rdx, rcx
        0x48, 0xB9, 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,
        0x48, 0xB8, 0x18, 0x17, 0x16, 0x15, 0x14, 0x13, 0x12, 0x11,
        0xFF, 0xD0,                    // call rax
        0x48, 0x83, 0xC4, 0x38,        // add rsp, 38h
        0xC3};
    EXPECT_EQ(std::vector<std::uint8_t>(code.begin(), code.end()), expected);
    // The frame keeps the stack 16-byte aligned at the call: 8 (return
    // address) + 38h is a multiple of 16, and leaves 20h of shadow space
    // below the fifth argument.
    EXPECT_EQ((8 + kX64StubFrameSize) % 16, 0);
}

TEST(X64WindowProcStubUnwindInfo, DescribesTheFrameAllocation) {
    const auto info = x64WindowProcStubUnwindInfo();
    EXPECT_EQ(info[0], 1);     // version 1, no handler
    EXPECT_EQ(info[1], 4);     // prolog: the 4-byte sub
    EXPECT_EQ(info[2], 1);     // one code
    EXPECT_EQ(info[4], 4);     // at the prolog's end
    EXPECT_EQ(info[5] & 0x0F, 2);               // UWOP_ALLOC_SMALL
    EXPECT_EQ(((info[5] >> 4) + 1) * 8, 0x38);  // of 38h bytes
}

}  // namespace
}  // namespace pixmora
