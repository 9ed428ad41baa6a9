// The scene library's key/value text format: one key per line,
// "<NAME=value>", "<NAME X=1.000, Y=0.000>" (named sub-values) or
// "<NAME=[a,b,c]>" (a list), indented by two blanks per nesting level and
// ended by CR LF. Numbers are text: integers and booleans in decimal, floats
// with three decimals and "." whatever the locale, colours as "#" and eight
// hexadecimal digits, strings between double quotes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The scene library's own error (message only).
class EVisException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TVisKeyKind { Single, Named, List };
enum class TVisValueType { Plain, String, Color };

struct TVisSubKey {
    std::string Name;  // empty for a list element
    std::string Value;
    TVisValueType Type = TVisValueType::Plain;
    friend bool operator==(const TVisSubKey&, const TVisSubKey&) = default;
};

struct TVisKey {
    std::string Name;
    TVisKeyKind Kind = TVisKeyKind::Single;
    std::string Value;
    TVisValueType Type = TVisValueType::Plain;
    std::vector<TVisSubKey> Sub;

    static TVisKey Bool(std::string name, bool v);
    static TVisKey Int(std::string name, long long v);
    static TVisKey Float(std::string name, double v);
    static TVisKey Str(std::string name, std::string v);
    static TVisKey Color(std::string name, std::uint32_t v);
    // Named sub-values are added in order.
    TVisKey& AddFloat(std::string name, double v);
    TVisKey& AddColor(std::string name, std::uint32_t v);

    // Values read back; a text that does not convert throws EVisException.
    bool AsBool() const { return AsInt() != 0; }
    long long AsInt() const;
    double AsFloat() const;
    std::uint32_t AsColor() const;
    // The sub-value of that name (case ignored); throws when absent.
    const TVisSubKey& SubKey(std::string_view name) const;

    void Clear();
};

namespace VisKey {
std::string FormatFloat(double v);          // "%.3f" with "."
std::string FormatColor(std::uint32_t v);   // "#00FF8000"
long long ParseInt(std::string_view s);
double ParseFloat(std::string_view s);
std::uint32_t ParseColor(std::string_view s);
bool SameName(std::string_view a, std::string_view b);  // case ignored
}  // namespace VisKey

// Writes keys to a text, each at the writer's nesting level.
class TVisWriter {
public:
    explicit TVisWriter(std::string& out) : out_(out) {}
    int Level = 0;
    // Writes the key and clears it; an empty name writes nothing. An empty
    // value, a sub-value with an empty name or value, an empty list element
    // or a named/list key without entries raise "WriteKey Error.".
    void WriteKey(TVisKey& key);

private:
    std::string& out_;
};

// Reads the keys written by TVisWriter, one per line, with their levels.
struct TVisLigne {
    int Level = 0;
    TVisKey Key;
};
// Throws EVisException with the offending line when a line is not a key.
std::vector<TVisLigne> VisReadKeys(std::string_view text);
