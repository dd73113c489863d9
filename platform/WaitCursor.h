// Shows the busy cursor for the life of the object (nested guards stack). Does nothing without a
// GUI application, so logic that shows it also runs in headless commands and tests.
#pragma once

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // How many guards are alive now (across the process).
    static int Depth();

private:
    bool shown_ = false;
};
