#pragma once
// The system's words for an error code, for messages a person reads.
#include <windows.h>

#include <string>

// "The system cannot find the file specified (error 2)"; "error N" alone when the system has no words.
std::string SystemMessage(DWORD nError);
