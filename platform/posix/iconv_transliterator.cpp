#include <iconv.h>
#include <locale.h>

#include <algorithm>
#include <cerrno>

#include "platform/system_transliterator.h"

namespace platform {

namespace {

// glibc transliterates by the tables of the thread's LC_CTYPE locale, and
// the "C" locale has none for letters such as "ł": the conversion runs in
// C.UTF-8, whose tables do, whatever locale the program runs in.
struct IconvTransliterator final : Transliterator {
    IconvTransliterator()
        : locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))),
          converter(iconv_open("WINDOWS-1252//TRANSLIT", "UTF-8")) {}
    ~IconvTransliterator() override {
        if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
        if (locale != static_cast<locale_t>(nullptr)) freelocale(locale);
    }

    Cp1252Text toCp1252(std::string_view utf8) override {
        Cp1252Text result;
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            result.text.assign(utf8.size(), '?');
            result.lostCharacters = true;
            return result;
        }
        const locale_t previous = locale != static_cast<locale_t>(nullptr) ? uselocale(locale) : nullptr;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        std::string out(utf8.size() * 2 + 16, '\0');
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        std::size_t written = 0;
        while (inLeft > 0) {
            char* next = out.data() + written;
            std::size_t outLeft = out.size() - written;
            const std::size_t done = iconv(converter, &in, &inLeft, &next, &outLeft);
            written = out.size() - outLeft;
            if (done != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {  // a character even //TRANSLIT could not write
                ++in;
                --inLeft;
                while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) ++in, --inLeft;
                if (written == out.size()) out.resize(out.size() * 2);
                out[written++] = '?';
            }
        }
        if (previous != nullptr) uselocale(previous);
        out.resize(written);
        // iconv writes "?" for a character it has no form for; more of them
        // than the text had means something was lost.
        result.lostCharacters = std::count(out.begin(), out.end(), '?') > std::count(utf8.begin(), utf8.end(), '?');
        result.text = std::move(out);
        return result;
    }

    locale_t locale;
    iconv_t converter;
};

}  // namespace

Transliterator& systemTransliterator() {
    static IconvTransliterator transliterator;
    return transliterator;
}

}  // namespace platform
