#pragma once
// Start-up and shutdown of the program's shared state.
namespace pixmora {

// Starts GDI+ unless gdiplusToken already holds a token; true when it does
// afterwards.
bool startGdiplus();

// Records the running Windows version in osVersion, read from the process
// environment block.
void readOsVersion();

// The exit routine: releases the path globals and the drop target.
void releaseAtExit();

}  // namespace pixmora
