#pragma once

// Lets the events that are waiting run now, in the middle of an operation (a
// control that caused an edit finishes repainting before the file is written).
void ProcessMessages();

// Waits the given time while events keep running (the program stays
// responsive while it waits for another one to start).
void WaitProcessingMessages(int milliseconds);
