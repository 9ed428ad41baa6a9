#include "model/Debug.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace Debug {

namespace {
// One trace per thread: the stability run works on a thread of its own.
thread_local State g_state;
Sink g_sink = nullptr;

std::string Cut(const char* tag) {
    if (!tag) return {};
    return std::string(tag, strnlen(tag, kTagLength));
}
}  // namespace

State& state() { return g_state; }

std::string TypeName(int type) {
    switch (type) {
        case erDivZero: return "erDivZero";
        case erDivers: return "erDivers";
        case erGLdll: return "erGLdll";
        case erFichier: return "erFichier";
        case waTrace: return "waTrace";
        default: return "erInconnue";
    }
}

void DbgReset() {
    State& s = g_state;
    for (auto& t : s.ring) t = nullptr;
    for (auto& t : s.stack) t = nullptr;
    s.ringIndex = 0;
    s.depth = 0;
}

std::string RingEntry(int k) { return (k >= 0 && k < kRingSize) ? Cut(g_state.ring[k]) : std::string(); }
std::string StackEntry(int k) { return (k >= 0 && k < kStackSize) ? Cut(g_state.stack[k]) : std::string(); }

std::string NewestTag() {
    const int k = g_state.ringIndex == 0 ? kRingSize - 1 : g_state.ringIndex - 1;
    return RingEntry(k);
}

void SetSink(Sink sink) { g_sink = sink; }
bool Tracing() { return g_sink != nullptr; }

void DbgSend(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    if (g_sink) g_sink(type, tag, index, values);
}

void DbgMsgI(int type, const std::string& tag, int index, const std::vector<long long>& values) {
    if (!g_sink) return;  // nobody listens: build nothing
    std::vector<std::string> v;
    v.reserve(values.size());
    for (long long x : values) v.push_back(std::to_string(x));
    DbgSend(type, tag, index, v);
}

void DbgMsgF(int type, const std::string& tag, int index, const std::vector<double>& values) {
    if (!g_sink) return;  // nobody listens: build nothing
    std::vector<std::string> v;
    v.reserve(values.size());
    for (double x : values) {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 4);
        v.emplace_back(buf, r.ptr);
    }
    DbgSend(type, tag, index, v);
}

void DbgMsgStr(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    DbgSend(type, tag, index, values);
}

void DbgMsgS(const std::string& tag, int index, const std::vector<std::string>& values) {
    DbgSend(waTrace, tag, index, values);
}

std::string JournalLine(const std::string& message, const std::string& dateTime) {
    const int newest = g_state.ringIndex == 0 ? kRingSize - 1 : g_state.ringIndex - 1;
    std::string line = dateTime + " : " + RingEntry(newest) + " . " + message + " . Stack = ";
    for (int n = 0; n < kRingSize; ++n) {
        const int k = (newest - n + kRingSize) % kRingSize;
        line += RingEntry(k);
        line += " | ";
    }
    return line;
}

std::string NowText() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M:%S", &tm);
    return buf;
}

std::string ProgramDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

std::string UserDataDir() {
    std::filesystem::path dir;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
        dir = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        dir = std::filesystem::path(h) / ".local" / "share";
    else
        dir = "/tmp";
    dir /= "Corvane Shaper";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir.string();
}

std::string JournalPath() { return JournalPathIn(ProgramDir()); }

std::string JournalPathIn(const std::string& prog) {
    if (!prog.empty() && access(prog.c_str(), W_OK) == 0) return (std::filesystem::path(prog) / "Error.log").string();
    return (std::filesystem::path(UserDataDir()) / "Error.log").string();
}

bool PrependJournal(const std::string& path, const std::string& line, std::string* error) {
    std::string old;
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::ostringstream ss;
            ss << in.rdbuf();
            old = ss.str();
        }
    }
    // Written beside the journal and renamed over it, so that a failed write
    // (disk full) leaves the old journal whole. Where no file can be created
    // beside it, the journal is rewritten in place.
    const std::string tmp = path + ".tmp";
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    const bool inPlace = !out;
    if (inPlace) out.open(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    out << line << "\r\n" << old;
    out.close();
    if (!out) {
        if (error) *error = "write failed";
        if (!inPlace) std::remove(tmp.c_str());
        return false;
    }
    if (!inPlace && std::rename(tmp.c_str(), path.c_str()) != 0) {
        if (error) *error = std::strerror(errno);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

}  // namespace Debug
