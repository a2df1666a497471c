#pragma once

#include <future>

// Loads the system's font list on a second thread while the start-up checks
// run, since reading the font configuration is the longest single step of
// the start-up. Qt's font database guards itself with a lock, so text on the
// GUI thread merely waits for it when it comes first.
class FontDatabaseWarmUp {
public:
    FontDatabaseWarmUp();
    ~FontDatabaseWarmUp();
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

private:
    std::future<void> loaded_;
};
