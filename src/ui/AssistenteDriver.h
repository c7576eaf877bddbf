#pragma once
// The windows' way to the MIDI driver wizard.

// Runs the wizard modally (the one created at start-up, or a new one): the
// device index the user confirmed, -1 when cancelled, 0 when none was heard.
int executarAssistenteDriver();
