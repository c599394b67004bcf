#pragma once

// Keeps Qt's active window in step with the one the window system holds
// active, where Qt can lose it (Wayland). Call once the application exists.
void keepActivationInStep();
