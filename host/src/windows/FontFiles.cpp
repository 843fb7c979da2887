// Which installed font file serves a face name: DejaVu for the Western faces
// (and as the substitute for any unknown name), WenQuanYi Micro Hei for the
// Chinese ones. Files come from Debian's font packages.
#include "hxhost/Fonts.h"

#include "windows.h"

#include <cwctype>
#include <sys/stat.h>

namespace {

constexpr const char* kFontRoot = "/usr/share/fonts/truetype/";
constexpr const char* kCjkFile = "wqy/wqy-microhei.ttc";

struct FaceFiles {
    const wchar_t* name;
    const char* regular; // null: the CJK file
    const char* bold;
};

const FaceFiles kFaces[] = {
    {L"DejaVu Sans", "dejavu/DejaVuSans.ttf", "dejavu/DejaVuSans-Bold.ttf"},
    {L"DejaVu Sans Mono", "dejavu/DejaVuSansMono.ttf", "dejavu/DejaVuSansMono-Bold.ttf"},
    {L"Courier New", "dejavu/DejaVuSansMono.ttf", "dejavu/DejaVuSansMono-Bold.ttf"},
    {L"DejaVu Serif", "dejavu/DejaVuSerif.ttf", "dejavu/DejaVuSerif-Bold.ttf"},
    {L"Times New Roman", "dejavu/DejaVuSerif.ttf", "dejavu/DejaVuSerif-Bold.ttf"},
    {L"WenQuanYi Micro Hei", nullptr, nullptr},
    {L"SimSun", nullptr, nullptr},
    {L"\x5b8b\x4f53", nullptr, nullptr}, // SimSun's own name
    {L"SimHei", nullptr, nullptr},
    {L"\x9ed1\x4f53", nullptr, nullptr}, // SimHei's own name
    {L"Microsoft YaHei", nullptr, nullptr},
    {L"\x5fae\x8f6f\x96c5\x9ed1", nullptr, nullptr}, // Microsoft YaHei's own name
};

bool sameName(const std::wstring& a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != L'\0'; ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == L'\0';
}

std::string existing(const char* relative) {
    std::string path = std::string(kFontRoot) + relative;
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? path : std::string();
}

} // namespace

namespace hxhost {

std::string cjkFontFile() {
    return existing(kCjkFile);
}

std::string fontFileFor(const std::wstring& faceName, int weight) {
    const FaceFiles* found = &kFaces[0]; // DejaVu Sans stands in for unknown names
    for (const FaceFiles& face : kFaces) {
        if (sameName(faceName, face.name))
            found = &face;
    }
    if (found->regular == nullptr)
        return cjkFontFile();
    return existing(weight >= FW_BOLD ? found->bold : found->regular);
}

} // namespace hxhost
