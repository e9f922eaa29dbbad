#include "intake/window_proc_stub_code.h"

namespace pixmora {
namespace {

template <size_t N, typename T>
void putLittleEndian(std::array<std::uint8_t, N>& bytes, size_t offset, T value) {
    for (size_t i = 0; i < sizeof(T); ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<std::uint8_t, kX86StubSize> x86WindowProcStubCode(std::uint32_t object, std::uint32_t routine) {
    std::array<std::uint8_t, kX86StubSize> code{0x59, 0x68, 0, 0, 0, 0, 0x51, 0xB8, 0, 0, 0, 0, 0xFF, 0xE0};
    putLittleEndian(code, 2, object);
    putLittleEndian(code, 8, routine);
    return code;
}

std::array<std::uint8_t, kX64StubSize> x64WindowProcStubCode(std::uint64_t object, std::uint64_t routine) {
    std::array<std::uint8_t, kX64StubSize> code{
        0x48, 0x83, 0xEC, kX64StubFrameSize,  // sub rsp, 38h
        0x4C, 0x89, 0x4C, 0x24, 0x20,         // mov [rsp+20h], r9
        0x4D, 0x89, 0xC1,                     // mov r9, r8
        0x49, 0x89, 0xD0,                     // mov r8, rdx
        0x48, 0x89, 0xCA,                     // mov rdx, rcx
        0x48, 0xB9, 0, 0, 0, 0, 0, 0, 0, 0,   // mov rcx, object
        0x48, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0,   // mov rax, routine
        0xFF, 0xD0,                           // call rax
        0x48, 0x83, 0xC4, kX64StubFrameSize,  // add rsp, 38h
        0xC3,                                 // ret
    };
    putLittleEndian(code, 20, object);
    putLittleEndian(code, 30, routine);
    return code;
}

std::array<std::uint8_t, 8> x64WindowProcStubUnwindInfo() {
    constexpr std::uint8_t kAllocSmall = 2;  // UWOP_ALLOC_SMALL: (info + 1) * 8 bytes
    return {
        0x01,                // version 1, no flags
        kX64StubPrologSize,  // prolog size
        1,                   // one unwind code
        0,                   // no frame register
        kX64StubPrologSize,  // the code applies at the prolog's end
        static_cast<std::uint8_t>(kAllocSmall | ((kX64StubFrameSize / 8 - 1) << 4)),
        0, 0,                // padding to an even number of codes
    };
}

}  // namespace pixmora
