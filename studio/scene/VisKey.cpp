#include "studio/scene/VisKey.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace VisKey {

std::string FormatFloat(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    if (r.ec != std::errc()) throw EVisException("WriteKey Error.");
    std::string s(buf, r.ptr);
    if (s == "-0.000") s = "0.000";
    return s;
}

std::string FormatColor(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%08X", static_cast<unsigned>(v));
    return buf;
}

namespace {
[[noreturn]] void Erreur(std::string_view s) { throw EVisException("Invalid value: " + std::string(s)); }
}  // namespace

long long ParseInt(std::string_view s) {
    long long v = 0;
    const char* first = s.data();
    if (!s.empty() && *first == '+') ++first;
    auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || s.empty()) Erreur(s);
    return v;
}

double ParseFloat(std::string_view s) {
    double v = 0;
    const char* first = s.data();
    if (!s.empty() && *first == '+') ++first;
    auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || s.empty() || !std::isfinite(v)) Erreur(s);
    return v;
}

std::uint32_t ParseColor(std::string_view s) {
    if (s.size() < 2 || s[0] != '#') Erreur(s);
    std::uint32_t v = 0;
    auto r = std::from_chars(s.data() + 1, s.data() + s.size(), v, 16);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) Erreur(s);
    return v;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace VisKey

TVisKey TVisKey::Bool(std::string name, bool v) { return Int(std::move(name), v ? 1 : 0); }
TVisKey TVisKey::Int(std::string name, long long v) {
    TVisKey k;
    k.Name = std::move(name);
    k.Value = std::to_string(v);
    return k;
}
TVisKey TVisKey::Float(std::string name, double v) {
    TVisKey k;
    k.Name = std::move(name);
    k.Value = VisKey::FormatFloat(v);
    return k;
}
TVisKey TVisKey::Str(std::string name, std::string v) {
    TVisKey k;
    k.Name = std::move(name);
    k.Value = std::move(v);
    k.Type = TVisValueType::String;
    return k;
}
TVisKey TVisKey::Color(std::string name, std::uint32_t v) {
    TVisKey k;
    k.Name = std::move(name);
    k.Value = VisKey::FormatColor(v);
    k.Type = TVisValueType::Color;
    return k;
}
TVisKey& TVisKey::AddFloat(std::string name, double v) {
    Kind = TVisKeyKind::Named;
    Sub.push_back({std::move(name), VisKey::FormatFloat(v), TVisValueType::Plain});
    return *this;
}
TVisKey& TVisKey::AddColor(std::string name, std::uint32_t v) {
    Kind = TVisKeyKind::Named;
    Sub.push_back({std::move(name), VisKey::FormatColor(v), TVisValueType::Color});
    return *this;
}

long long TVisKey::AsInt() const { return VisKey::ParseInt(Value); }
double TVisKey::AsFloat() const { return VisKey::ParseFloat(Value); }
std::uint32_t TVisKey::AsColor() const { return VisKey::ParseColor(Value); }

const TVisSubKey& TVisKey::SubKey(std::string_view name) const {
    for (const TVisSubKey& s : Sub)
        if (VisKey::SameName(s.Name, name)) return s;
    throw EVisException("Missing value " + std::string(name) + " in key " + Name);
}

void TVisKey::Clear() {
    Name.clear();
    Value.clear();
    Sub.clear();
    Kind = TVisKeyKind::Single;
    Type = TVisValueType::Plain;
}

namespace {

std::string Formate(const std::string& v, TVisValueType t) {
    if (v.empty()) throw EVisException("WriteKey Error.");
    switch (t) {
        case TVisValueType::String:
            // A quote or a line break would end the value early when read back.
            if (v.find_first_of("\"\r\n") != std::string::npos) throw EVisException("WriteKey Error.");
            return '"' + v + '"';
        case TVisValueType::Color:
        case TVisValueType::Plain: break;
    }
    return v;
}

std::string Majuscules(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

void TVisWriter::WriteKey(TVisKey& key) {
    if (key.Name.empty()) return;
    std::string l = "<";
    l.append(Majuscules(key.Name));
    switch (key.Kind) {
        case TVisKeyKind::Single: l.append("=").append(Formate(key.Value, key.Type)); break;
        case TVisKeyKind::Named:
            if (key.Sub.empty()) throw EVisException("WriteKey Error.");
            for (std::size_t i = 0; i < key.Sub.size(); ++i) {
                const TVisSubKey& s = key.Sub[i];
                if (s.Name.empty()) throw EVisException("WriteKey Error.");
                l.append(i ? ", " : " ").append(Majuscules(s.Name)).append("=").append(Formate(s.Value, s.Type));
            }
            break;
        case TVisKeyKind::List:
            if (key.Sub.empty()) throw EVisException("WriteKey Error.");
            l += "=[";
            for (std::size_t i = 0; i < key.Sub.size(); ++i)
                l.append(i ? "," : "").append(Formate(key.Sub[i].Value, key.Sub[i].Type));
            l += "]";
            break;
    }
    out_ += std::string(static_cast<std::size_t>(2 * std::max(Level, 0)), ' ') + l + ">\r\n";
    key.Clear();
}

namespace {

// One value at the start of s: a quoted string, a colour or a plain text up
// to one of the stop characters. s moves past it.
TVisSubKey LitValeur(std::string_view& s, std::string_view stops) {
    TVisSubKey v;
    if (!s.empty() && s[0] == '"') {
        const std::size_t fin = s.find('"', 1);
        if (fin == std::string_view::npos) throw EVisException("Unterminated string");
        v.Value = std::string(s.substr(1, fin - 1));
        v.Type = TVisValueType::String;
        s.remove_prefix(fin + 1);
        return v;
    }
    const std::size_t fin = std::min(s.find_first_of(stops), s.size());
    v.Value = std::string(s.substr(0, fin));
    v.Type = !v.Value.empty() && v.Value[0] == '#' ? TVisValueType::Color : TVisValueType::Plain;
    s.remove_prefix(fin);
    return v;
}

TVisLigne LitLigne(std::string_view ligne) {
    TVisLigne r;
    std::size_t blancs = 0;
    while (blancs < ligne.size() && ligne[blancs] == ' ') ++blancs;
    r.Level = static_cast<int>(blancs / 2);
    std::string_view s = ligne.substr(blancs);
    if (s.size() < 3 || s.front() != '<' || s.back() != '>') throw EVisException("Not a key");
    s = s.substr(1, s.size() - 2);
    const std::size_t finNom = std::min(s.find_first_of("= "), s.size());
    r.Key.Name = std::string(s.substr(0, finNom));
    if (r.Key.Name.empty() || finNom == s.size()) throw EVisException("Not a key");
    const bool nomme = s[finNom] == ' ';
    s.remove_prefix(finNom + 1);
    if (nomme) {
        r.Key.Kind = TVisKeyKind::Named;
        for (;;) {
            while (!s.empty() && s[0] == ' ') s.remove_prefix(1);
            const std::size_t eg = s.find('=');
            if (eg == 0 || eg == std::string_view::npos) throw EVisException("Not a key");
            std::string nom(s.substr(0, eg));
            s.remove_prefix(eg + 1);
            TVisSubKey v = LitValeur(s, ",");
            v.Name = std::move(nom);
            r.Key.Sub.push_back(std::move(v));
            if (s.empty()) break;
            if (s[0] != ',') throw EVisException("Not a key");
            s.remove_prefix(1);
        }
    } else if (!s.empty() && s[0] == '[') {
        r.Key.Kind = TVisKeyKind::List;
        s.remove_prefix(1);
        for (;;) {
            r.Key.Sub.push_back(LitValeur(s, ",]"));
            if (s.empty()) throw EVisException("Not a key");
            const char c = s[0];
            s.remove_prefix(1);
            if (c == ']') break;
        }
        if (!s.empty()) throw EVisException("Not a key");
    } else {
        TVisSubKey v = LitValeur(s, "");
        if (!s.empty()) throw EVisException("Not a key");
        r.Key.Value = std::move(v.Value);
        r.Key.Type = v.Type;
    }
    return r;
}

}  // namespace

std::vector<TVisLigne> VisReadKeys(std::string_view text) {
    std::vector<TVisLigne> keys;
    while (!text.empty()) {
        const std::size_t fin = std::min(text.find('\n'), text.size());
        std::string_view ligne = text.substr(0, fin);
        text.remove_prefix(std::min(fin + 1, text.size()));
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        if (ligne.find_first_not_of(' ') == std::string_view::npos) continue;
        try {
            keys.push_back(LitLigne(ligne));
        } catch (const EVisException& e) {
            throw EVisException(std::string(e.what()) + ": " + std::string(ligne));
        }
    }
    return keys;
}
