// The wide printf engine. Each conversion is parsed, its argument taken from
// the list with the type its size and letter call for, and then rendered on
// its own: numbers through the C library's snprintf (their text is ASCII),
// strings and characters here, so that narrow text goes through the ANSI code
// page and never through the C library's locale.
#include "framework/WideFormat.h"
#include "windows.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

namespace hxhost::detail {
namespace {

// A va_list that can be handed to helpers by reference.
struct ArgList {
    va_list ap;
};

enum class Size { None, Char, Short, Long, LongLong, Ptr, Max, LongDouble, Wide };

// One %-directive of a format: flags, width, precision, argument size and
// conversion letter.
struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    Size size = Size::None;
    wchar_t conversion = 0;
    bool leftAlign() const { return flags.find('-') != std::string::npos; }
    bool zeroPad() const { return flags.find('0') != std::string::npos; }
};

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

int readNumber(const wchar_t*& p) {
    int n = 0;
    while (isDigit(*p) && n < 100000000)
        n = n * 10 + (*p++ - L'0');
    while (isDigit(*p))
        ++p;
    return n;
}

Size readSize(const wchar_t*& p) {
    auto take = [&p](const wchar_t* text) {
        std::size_t n = std::wcslen(text);
        if (std::wcsncmp(p, text, n) != 0)
            return false;
        p += n;
        return true;
    };
    if (take(L"I64") || take(L"ll"))
        return Size::LongLong;
    if (take(L"I32"))
        return Size::None;
    if (take(L"hh"))
        return Size::Char;
    if (take(L"I") || take(L"z") || take(L"t"))
        return Size::Ptr;
    if (take(L"h"))
        return Size::Short;
    if (take(L"l"))
        return Size::Long;
    if (take(L"j"))
        return Size::Max;
    if (take(L"L"))
        return Size::LongDouble;
    if (take(L"w"))
        return Size::Wide;
    return Size::None;
}

// Parses flags, width, precision and size after '%'; * takes an int argument.
void readDirective(const wchar_t*& p, ArgList& args, Directive& d) {
    while (*p != L'\0' && std::wcschr(L"-+ #0", *p) != nullptr)
        d.flags += char(*p++);
    if (*p == L'*') {
        ++p;
        d.width = va_arg(args.ap, int);
        if (d.width < 0) {
            d.flags += '-';
            d.width = -d.width;
        }
    } else if (isDigit(*p)) {
        d.width = readNumber(p);
    }
    if (*p == L'.') {
        ++p;
        if (*p == L'*') {
            ++p;
            d.precision = va_arg(args.ap, int);
            if (d.precision < 0)
                d.precision = -1;
        } else {
            d.precision = readNumber(p);
        }
    }
    d.size = readSize(p);
    d.conversion = *p;
    if (*p != L'\0')
        ++p;
}

// The C library format of one numeric conversion, with the given length
// modifier in place of the caller's.
std::string cFormat(const Directive& d, const char* lengthModifier, char conversion) {
    std::string f = "%" + d.flags;
    if (d.width >= 0)
        f += std::to_string(d.width);
    if (d.precision >= 0)
        f += "." + std::to_string(d.precision);
    return f + lengthModifier + conversion;
}

template <class T> void appendNumber(std::wstring& out, const std::string& format, T value) {
    int n = std::snprintf(nullptr, 0, format.c_str(), value);
    if (n <= 0)
        return;
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(&text[0], text.size(), format.c_str(), value);
    text.resize(static_cast<std::size_t>(n));
    out.append(text.begin(), text.end());
}

void appendPadded(std::wstring& out, const Directive& d, std::wstring text) {
    if (d.precision >= 0 && text.size() > std::size_t(d.precision))
        text.resize(std::size_t(d.precision));
    std::size_t width = d.width > 0 ? std::size_t(d.width) : 0;
    std::size_t pad = width > text.size() ? width - text.size() : 0;
    if (d.leftAlign()) {
        out += text;
        out.append(pad, L' ');
        return;
    }
    out.append(pad, d.zeroPad() ? L'0' : L' ');
    out += text;
}

std::wstring fromAnsi(const char* text, std::size_t length) {
    if (length == 0)
        return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, text, int(length), nullptr, 0);
    std::wstring wide(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, int(length), &wide[0], n);
    return wide;
}

// %s/%S family: which width the argument has.
bool wideText(const Directive& d) {
    if (d.size == Size::Short)
        return false;
    if (d.size == Size::Long || d.size == Size::Wide)
        return true;
    return d.conversion == L's' || d.conversion == L'c';
}

void appendString(std::wstring& out, const Directive& d, ArgList& args) {
    if (wideText(d)) {
        const wchar_t* s = va_arg(args.ap, const wchar_t*);
        appendPadded(out, d, s != nullptr ? s : L"(null)");
        return;
    }
    const char* s = va_arg(args.ap, const char*);
    appendPadded(out, d, s != nullptr ? fromAnsi(s, std::strlen(s)) : L"(null)");
}

void appendChar(std::wstring& out, const Directive& d, ArgList& args) {
    int value = va_arg(args.ap, int);
    Directive whole = d;
    whole.precision = -1;
    if (wideText(d)) {
        appendPadded(out, whole, std::wstring(1, wchar_t(value)));
        return;
    }
    char c = char(value);
    appendPadded(out, whole, fromAnsi(&c, 1));
}

void appendSigned(std::wstring& out, const Directive& d, ArgList& args) {
    long long v = 0;
    switch (d.size) {
    case Size::Char:
        v = static_cast<signed char>(va_arg(args.ap, int));
        break;
    case Size::Short:
        v = static_cast<short>(va_arg(args.ap, int));
        break;
    case Size::Long:
        v = va_arg(args.ap, long);
        break;
    case Size::LongLong:
        v = va_arg(args.ap, long long);
        break;
    case Size::Ptr:
        v = va_arg(args.ap, std::intptr_t);
        break;
    case Size::Max:
        v = va_arg(args.ap, std::intmax_t);
        break;
    default:
        v = va_arg(args.ap, int);
        break;
    }
    appendNumber(out, cFormat(d, "ll", 'd'), v);
}

void appendUnsigned(std::wstring& out, const Directive& d, ArgList& args) {
    unsigned long long v = 0;
    switch (d.size) {
    case Size::Char:
        v = static_cast<unsigned char>(va_arg(args.ap, unsigned));
        break;
    case Size::Short:
        v = static_cast<unsigned short>(va_arg(args.ap, unsigned));
        break;
    case Size::Long:
        v = va_arg(args.ap, unsigned long);
        break;
    case Size::LongLong:
        v = va_arg(args.ap, unsigned long long);
        break;
    case Size::Ptr:
        v = va_arg(args.ap, std::uintptr_t);
        break;
    case Size::Max:
        v = va_arg(args.ap, std::uintmax_t);
        break;
    default:
        v = va_arg(args.ap, unsigned);
        break;
    }
    appendNumber(out, cFormat(d, "ll", char(d.conversion)), v);
}

void appendFloating(std::wstring& out, const Directive& d, ArgList& args) {
    if (d.size == Size::LongDouble) {
        long double v = va_arg(args.ap, long double);
        appendNumber(out, cFormat(d, "L", char(d.conversion)), v);
        return;
    }
    double v = va_arg(args.ap, double);
    appendNumber(out, cFormat(d, "", char(d.conversion)), v);
}

void appendPointer(std::wstring& out, const Directive& d, ArgList& args) {
    const void* p = va_arg(args.ap, const void*);
    std::wstring digits;
    appendNumber(digits, "%016llX", static_cast<unsigned long long>(std::uintptr_t(p)));
    Directive padding = d;
    padding.precision = -1;
    padding.flags = d.leftAlign() ? "-" : "";
    appendPadded(out, padding, digits);
}

void appendPercent(std::wstring& out, const Directive&, ArgList&) {
    out += L'%';
}

// %n: takes its pointer and writes nothing through it.
void skipCount(std::wstring&, const Directive&, ArgList& args) {
    (void)va_arg(args.ap, int*);
}

// Renders one conversion; false when the letter is not one we know.
bool appendConversion(std::wstring& out, const Directive& d, ArgList& args) {
    using Renderer = void (*)(std::wstring&, const Directive&, ArgList&);
    static const struct {
        const wchar_t* letters;
        Renderer render;
    } kRenderers[] = {{L"%", appendPercent},     {L"di", appendSigned},
                      {L"uoxX", appendUnsigned}, {L"fFeEgGaA", appendFloating},
                      {L"sS", appendString},     {L"cC", appendChar},
                      {L"p", appendPointer},     {L"n", skipCount}};
    if (d.conversion == L'\0') // the format ended after the directive
        return false;
    for (const auto& r : kRenderers) {
        if (std::wcschr(r.letters, d.conversion) != nullptr) {
            r.render(out, d, args);
            return true;
        }
    }
    return false;
}

} // namespace

std::wstring formatWide(const wchar_t* format, va_list args) {
    std::wstring out;
    if (format == nullptr)
        return out;
    ArgList list;
    va_copy(list.ap, args);
    for (const wchar_t* p = format; *p != L'\0';) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        Directive d;
        readDirective(p, list, d);
        if (!appendConversion(out, d, list))
            out.append(start, p);
    }
    va_end(list.ap);
    return out;
}

} // namespace hxhost::detail
