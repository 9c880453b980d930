// UTF-16 and UTF-8 both ways, surrogates paired and unpaired.
#include "TextoAncho.h"

#include <gtest/gtest.h>

namespace polvareda {
namespace {

// Folder and player names as Windows hands them over, and the UTF-8 the game keeps.
TEST(TextoAncho, NamesGoBothWaysAndBrokenTextBecomesReplacementCharacters) {
    const struct {
        std::u16string utf16;
        std::string utf8;
    } casos[] = {
        {u"", ""},
        {u"C:\\Juegos\\Polvareda", "C:\\Juegos\\Polvareda"},
        {u"D:\\ca\u00f1\u00f3n", "D:\\ca\xc3\xb1\xc3\xb3n"},
        {u"\u8a66\u9a13", "\xe8\xa9\xa6\xe9\xa8\x93"},
        {u"\u007f\u0080\u07ff\u0800\uffff", "\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf"},
        {u"\U0001F335 \U0010FFFF", "\xf0\x9f\x8c\xb5 \xf4\x8f\xbf\xbf"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Utf8DeUtf16(c.utf16), c.utf8);
        EXPECT_EQ(Utf16DeUtf8(c.utf8), c.utf16);
    }
    // Broken text becomes replacement characters: unpaired surrogates, which Windows file
    // names may hold, and below, stray, cut, overlong, surrogate and out-of-range UTF-8.
    EXPECT_EQ(Utf8DeUtf16(u"a\xd800z"), "a\xef\xbf\xbdz");
    EXPECT_EQ(Utf8DeUtf16(u"\xdc00\xd83c"), "\xef\xbf\xbd\xef\xbf\xbd");
    const struct {
        std::string utf8;
        std::u16string utf16;
    } rotos[] = {
        {"\x80x", u"\xfffdx"},
        {"\xc3", u"\xfffd"},
        {"\xe8\xa9z", u"\xfffdz"},
        {"\xc0\xafz", u"\xfffd\xfffdz"},
        {"\xe0\x80\xafz", u"\xfffdz"},
        {"\xed\xa0\x80z", u"\xfffdz"},
        {"\xf4\x90\x80\x80z", u"\xfffdz"},
        {"\xffz", u"\xfffdz"},
    };
    for (const auto& c : rotos) EXPECT_EQ(Utf16DeUtf8(c.utf8), c.utf16) << c.utf8;
}

}  // namespace
}  // namespace polvareda
