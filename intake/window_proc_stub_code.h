#pragma once
// The machine code of the small trampoline that becomes a window's procedure
// and calls a routine with an object inserted before the window procedure's
// four arguments: routine(object, window, message, wParam, lParam).
#include <array>
#include <cstddef>
#include <cstdint>

namespace pixmora {

// 32-bit x86, for a __stdcall routine of five arguments (which removes all
// five from the stack):
//   pop ecx            59           the caller's return address
//   push object        68 imm32
//   push ecx           51           the return address back on top
//   mov eax, routine   B8 imm32
//   jmp eax            FF E0
// ECX is free for a called routine to change; the return address never
// passes through a register the caller expects to keep.
inline constexpr std::size_t kX86StubSize = 14;
std::array<std::uint8_t, kX86StubSize> x86WindowProcStubCode(std::uint32_t object, std::uint32_t routine);

// x86-64 (Windows calling convention). The window procedure's arguments
// arrive in RCX, RDX, R8, R9; the stub makes its own frame, moves them one
// place on (the fourth to the stack slot of a fifth argument), puts the
// object in RCX and calls the routine, keeping 32 bytes of shadow space and
// the 16-byte stack alignment:
//   sub rsp, 38h            48 83 EC 38
//   mov [rsp+20h], r9       4C 89 4C 24 20
//   mov r9, r8              4D 89 C1
//   mov r8, rdx             49 89 D0
//   mov rdx, rcx            48 89 CA
//   mov rcx, object         48 B9 imm64
//   mov rax, routine        48 B8 imm64
//   call rax                FF D0
//   add rsp, 38h            48 83 C4 38
//   ret                     C3
inline constexpr std::size_t kX64StubSize = 45;
inline constexpr std::uint8_t kX64StubPrologSize = 4;
inline constexpr std::uint8_t kX64StubFrameSize = 0x38;
std::array<std::uint8_t, kX64StubSize> x64WindowProcStubCode(std::uint64_t object, std::uint64_t routine);

// The unwind description of the x86-64 stub's frame (UNWIND_INFO: version 1,
// a 4-byte prolog that allocates 38h bytes), so that stack walks and
// exception dispatch can pass through the stub.
std::array<std::uint8_t, 8> x64WindowProcStubUnwindInfo();

}  // namespace pixmora
