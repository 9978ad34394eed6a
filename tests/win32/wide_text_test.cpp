// Paths between the system's UTF-16 names and TestPath (WTF-8), over
// generated names, and the long form of paths too long for MAX_PATH.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"
#include "tests/support/test_path.h"

namespace {

using platform::pathFromWide;
using platform::wideFromPath;

// A UTF-16 name of up to 12 units, drawn so that lone and paired surrogates,
// ASCII and the rest of the plane all come up often.
std::wstring randomWide(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 12), kind(0, 4);
    std::uniform_int_distribution<int> ascii(0, 0x7F), plane(0x80, 0xFFFF), surrogate(0xD800, 0xDFFF);
    std::wstring wide;
    for (int n = length(random); n > 0; --n) {
        switch (kind(random)) {
            case 0: wide += static_cast<wchar_t>(ascii(random)); break;
            case 1: wide += static_cast<wchar_t>(plane(random)); break;
            case 2: wide += static_cast<wchar_t>(surrogate(random)); break;
            case 3:  // a pair
                wide += static_cast<wchar_t>(0xD800 + surrogate(random) % 0x400);
                wide += static_cast<wchar_t>(0xDC00 + surrogate(random) % 0x400);
                break;
            default: wide += L"\u00E9\u03A9\u0416\u6F22"[ascii(random) % 4]; break;
        }
    }
    return wide;
}

bool hasLoneSurrogate(const std::wstring& wide) {
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const unsigned unit = static_cast<char16_t>(wide[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() &&
            (static_cast<char16_t>(wide[i + 1]) & 0xFC00) == 0xDC00)
            ++i;
        else if (unit >= 0xD800 && unit <= 0xDFFF)
            return true;
    }
    return false;
}

std::wstring systemFromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return wide;
}

std::string systemToUtf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

TEST(WideText, EveryUtf16NameRoundTripsAndValidUtf8IsTheSystemsOwn) {
    std::mt19937 random(20261209);
    int lone = 0;
    for (int run = 0; run < 20000; ++run) {
        const std::wstring wide = randomWide(random);
        const std::string path = pathFromWide(wide).systemBytes();
        ASSERT_EQ(wideFromPath(path), wide) << "run " << run;
        if (hasLoneSurrogate(wide)) {
            ++lone;
            continue;
        }
        // Without lone surrogates the path is plain UTF-8, the system's both ways.
        ASSERT_EQ(path, systemToUtf8(wide)) << "run " << run;
        ASSERT_EQ(wideFromPath(path), systemFromUtf8(path)) << "run " << run;
    }
    EXPECT_GT(lone, 1000);  // the generator does reach the hard case
    EXPECT_EQ(wideFromPath("\xF0\x9F\x98\x80"), L"\U0001F600");
    // Bytes that are not well-formed become U+FFFD each: a cut-off sequence,
    // an overlong "/", a stray continuation byte.
    EXPECT_EQ(wideFromPath("a\xE2\x82"), L"a\uFFFD\uFFFD");
    EXPECT_EQ(wideFromPath("\xC0\xAF\x80"), L"\uFFFD\uFFFD\uFFFD");
}

TEST(WidePath, OnlyAnAbsolutePathTooLongForThePlainFormGetsTheLongPrefix) {
    const std::string part(100, 'x');
    const std::string longTail = part + "\\" + part + "/" + part;
    EXPECT_EQ(platform::widePath(TestPath("C:\\short/name")), L"C:\\short/name");
    EXPECT_EQ(platform::widePath(TestPath("C:\\" + longTail)),
              wideFromPath("\\\\?\\C:\\" + part + "\\" + part + "\\" + part));
    EXPECT_EQ(platform::widePath(TestPath("\\\\server\\share\\" + longTail)),
              wideFromPath("\\\\?\\UNC\\server\\share\\" + part + "\\" + part + "\\" + part));
    EXPECT_EQ(platform::widePath(TestPath(longTail)), wideFromPath(longTail));  // relative: the system resolves it
    EXPECT_EQ(platform::withoutLongPrefix(TestPath("\\\\?\\C:\\a")), TestPath("C:\\a"));
    EXPECT_EQ(platform::withoutLongPrefix(TestPath("\\\\?\\UNC\\server\\share")), TestPath("\\\\server\\share"));
}

}  // namespace
