#pragma once
// The dial-keyboard key's toggle on this machine's processes, Program Files folder and shell.

// Starts the dial keyboard, or has it shown or hidden; blocks the calling thread while it waits
// (up to 1000 ms after a start, up to 10.5 s when the keyboard runs).
void ToggleDialKeyboard();
