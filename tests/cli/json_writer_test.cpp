// The JSON writer of the reports: strings escaped as JSON wants them (a
// byte that starts no UTF-8 sequence becomes U+FFFD rather than ending the
// program), numbers in the reports' form, commas between members.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "cli/json_writer.h"

namespace castovin {
namespace {

TEST(JsonWriter, Strings)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c/", "\"a\\\"b\\\\c/\""},
        {"\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
        {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"\x7f", "\"\x7f\""},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"bad\xff.vlb", "\"bad\xef\xbf\xbd.vlb\""},
        {"\xc3", "\"\xef\xbf\xbd\""},                                  // cut short
        {"\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},                  // overlong
        {"\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},  // a surrogate
    };
    for (const auto& [text, expected] : cases) {
        JsonWriter w;
        w.String(text);
        EXPECT_EQ(w.Text(), expected) << text;
    }
}

TEST(JsonWriter, Numbers)
{
    const std::pair<float, std::string> cases[] = {
        {600, "600.0"},          {0.75f, "0.75"},
        {1.2f, "1.2"},           {-30.4f, "-30.4"},
        {1e-5f, "1e-05"},        {0.00012f, "0.00012"},
        {1e16f, "1e+16"},        {0, "0.0"},
        {-0.0f, "-0.0"},         {std::numeric_limits<float>::max(), "3.4028235e+38"},
        {std::nanf(""), "null"}, {std::numeric_limits<float>::infinity(), "null"},
    };
    for (const auto& [value, expected] : cases) {
        std::string text;
        AppendJsonNumber(text, value);
        EXPECT_EQ(text, expected) << value;
    }
}

TEST(JsonWriter, CommasBetweenMembersAndElements)
{
    JsonWriter w;
    w.BeginObject();
    w.Key("a").Integer(-3);
    w.Key("b").BeginArray();
    w.Bool(true);
    w.Null();
    w.BeginObject();
    w.EndObject();
    w.EndArray();
    w.Key("c").BeginArray();
    w.EndArray();
    w.EndObject();
    EXPECT_EQ(w.Text(), R"({"a":-3,"b":[true,null,{}],"c":[]})");
}

}  // namespace
}  // namespace castovin
