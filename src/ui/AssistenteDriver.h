#pragma once
// The settings dialog's way to the MIDI driver wizard.

// Runs the wizard modally; the device index the user confirmed, or -1.
int executarAssistenteDriver();
