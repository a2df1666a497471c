#include "fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

FontDatabaseWarmUp::FontDatabaseWarmUp()
    : loaded_(std::async(std::launch::async | std::launch::deferred, [] { QFontDatabase::families(); }))
{
}

FontDatabaseWarmUp::~FontDatabaseWarmUp()
{
    // A deferred warm-up (no thread to be had) is simply dropped.
    if (loaded_.valid() && loaded_.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
        loaded_.wait();
}
