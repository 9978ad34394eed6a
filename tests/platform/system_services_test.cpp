#include "platform/system_services.h"

#include <gtest/gtest.h>

#include "platform/system_clock.h"
#include "platform/system_files.h"
#include "platform/system_transliterator.h"

TEST(SystemServices, HandOnTheSystemsOwnFilesTransliteratorAndClock) {
    const platform::SystemServices system = platform::systemServices();
    EXPECT_EQ(&system.files, &platform::systemFiles());
    EXPECT_EQ(&system.transliterator, &platform::systemTransliterator());
    EXPECT_EQ(system.clock.currentYear(), platform::SystemClock{}.currentYear());
}
