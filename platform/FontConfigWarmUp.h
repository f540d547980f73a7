#pragma once

#include <thread>

// Reading the system's font configuration and caches takes a few
// milliseconds the first time any text is measured. Started before the
// QApplication, it is done on another core while Qt connects to the display;
// fontconfig keeps the result for the whole process, so Qt's own call later
// finds it ready. Joined when this object goes.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread m_thread;
};
