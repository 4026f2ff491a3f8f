#pragma once
// A compact JSON text written straight into a string, without a tree: the
// reports of castovin-cli write their members in the order a reader sorted
// by name expects (alphabetical), since the layout they have always had is
// that order. A float is written from its shortest decimal (600.0, 0.75,
// 1e-05, 3.4028235e+38), so that it reads back bit for bit.

#include <cstdint>
#include <string>
#include <string_view>

namespace castovin {

class JsonWriter {
public:
    // Containers; the writer puts the commas between members and elements.
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The name of the next member.
    JsonWriter& Key(std::string_view name);

    void String(std::string_view text);
    void Number(float value);
    void Integer(int64_t value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return m_text; }
    std::string Take() { return std::move(m_text); }

private:
    void Open(char bracket);
    void Close(char bracket);
    void Separate();

    std::string m_text;
    bool m_first = true;      // no member or element yet in the open container
    bool m_afterKey = false;  // a value follows its name without a comma
};

// `value` in the writer's number form, appended to `out`.
void AppendJsonNumber(std::string& out, float value);

}  // namespace castovin
