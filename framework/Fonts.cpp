#include "Fonts.h"

#include <algorithm>
#include <cwchar>

#include "WindowsText.h"

namespace trelvane {
namespace {

constexpr std::size_t kMaxFaceLength = LF_FACESIZE - 1;

int CALLBACK RememberCharset(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM charset) {
    *reinterpret_cast<std::int32_t*>(charset) = font->lfCharSet;
    return 1;
}

}  // namespace

double WindowsVersion() {
    const DWORD version = GetVersion();
    return WindowsVersionFrom(LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)));
}

std::int32_t PointsFromHeight(std::int32_t height) {
    UniqueDc display{CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)};
    if (!display) return 0;
    const int logPixelsY = GetDeviceCaps(display.get(), LOGPIXELSY);
    display.reset();
    return PointsFromHeightAt(height, logPixelsY);
}

void ParseFontSpec(std::string_view spec, std::string& face, std::int32_t& points, std::int32_t& weight,
                   std::int32_t& italic, std::int32_t& underline, std::int32_t& strikeout, std::int32_t& style) {
    FontSpecParts parts{face, points, weight, italic, underline, strikeout};
    ParseFontSpec(spec, parts, style, PointsFromHeight);
    face = std::move(parts.face);
    points = parts.points;
    weight = parts.weight;
    italic = parts.italic;
    underline = parts.underline;
    strikeout = parts.strikeout;
}

std::int32_t FindFaceCharset(std::string_view face) {
    std::int32_t charset = 0;
    if (face.empty()) return charset;  // an empty name would enumerate every family
    const ScreenDc screen;
    if (screen) {
        EnumFontFamiliesW(screen.get(), WideFromUtf8(face).c_str(), RememberCharset,
                          reinterpret_cast<LPARAM>(&charset));
    }
    return charset;
}

Scaling ScreenScaling(float dpi) {
    const ScreenDc screen;
    return ScalingFor(dpi, screen.Caps(LOGPIXELSX), screen.Caps(LOGPIXELSY));
}

namespace {

UniqueFont FontOfHeight(std::int32_t height, const FontRequest& request) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic;
    font.lfUnderline = request.underline;
    font.lfStrikeOut = request.strikeout;
    font.lfCharSet = request.charset;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = 0;
    const std::wstring face = WideFromUtf8(request.face);
    const std::size_t length = std::min(face.size(), kMaxFaceLength);
    std::wmemcpy(font.lfFaceName, face.data(), length);
    font.lfFaceName[length] = L'\0';
    return UniqueFont{CreateFontIndirectW(&font)};
}

}  // namespace

UniqueFont MakeScaledFontAt(std::int32_t dpi, const FontRequest& request) {
    const int logPixelsY = ScreenDc().Caps(LOGPIXELSY);
    const std::int32_t points = request.keepPoints ? request.points : ScaledPoints(dpi, request.points, logPixelsY);
    return FontOfHeight(FontHeightForPoints(points, logPixelsY), request);
}

UniqueFont MakeFont(std::string_view face, std::int32_t points, std::int32_t weight, std::int32_t italic,
                    std::int32_t underline, std::int32_t strikeout) {
    if (face.empty()) return {};
    return MakeScaledFontAt(ScreenScaling(-1.0f).Dpi, {.face = face,
                                                       .points = points,
                                                       .weight = weight,
                                                       .italic = static_cast<BYTE>(italic),
                                                       .underline = static_cast<BYTE>(underline),
                                                       .strikeout = static_cast<BYTE>(strikeout),
                                                       .charset = static_cast<BYTE>(FindFaceCharset(face))});
}

UniqueFont FontFromSpec(std::string_view spec) {
    std::string face;
    std::int32_t points = 0, weight = 0, italic = 0, underline = 0, strikeout = 0, style = 0;
    ParseFontSpec(spec, face, points, weight, italic, underline, strikeout, style);
    return MakeFont(face, points, weight, italic, underline, strikeout);
}

UniqueFont FontFromSpecAt(std::string_view spec, std::int32_t dpi) {
    std::string face;
    std::int32_t points = 0, weight = 0, italic = 0, underline = 0, strikeout = 0, style = 0;
    ParseFontSpec(spec, face, points, weight, italic, underline, strikeout, style);
    if (face.empty()) return {};
    return FontOfHeight(FontHeightForPoints(points, dpi), {.face = face,
                                                           .weight = weight,
                                                           .italic = static_cast<BYTE>(italic),
                                                           .underline = static_cast<BYTE>(underline),
                                                           .strikeout = static_cast<BYTE>(strikeout),
                                                           .charset = static_cast<BYTE>(FindFaceCharset(face))});
}

}  // namespace trelvane
