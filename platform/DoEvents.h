#pragma once

// Lets the event loop run once, so windows repaint during long steps.
void DoEvents();
