#include "base/Debug.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/FichierAtomique.h"

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

std::string JournalLinePile(const std::string& message, const std::string& dateTime) {
    const int depth = std::clamp(g_state.depth, 0, kStackSize);
    std::string line = dateTime + " : " + StackEntry(depth - 1) + " . " + message + " . Stack = ";
    for (int k = depth - 1; k >= 0; --k) {
        line += StackEntry(k);
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

namespace {

// A journal the user made read-only (no write permission left on it, whoever
// runs the program) or cannot write is left alone.
bool JournalProtege(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace

std::string JournalPathIn(const std::string& prog) {
    if (!prog.empty() && access(prog.c_str(), W_OK) == 0) {
        const std::string beside = (std::filesystem::path(prog) / "Error.log").string();
        if (!JournalProtege(beside)) return beside;
    }
    return (std::filesystem::path(UserDataDir()) / "Error.log").string();
}

bool PrependJournal(const std::string& path, const std::string& line, std::string* error) {
    if (JournalProtege(path)) {
        if (error) *error = "Error.log en lecture seule";
        return false;
    }
    // The old lines, all of them, or nothing is written.
    std::string text = line + "\r\n";
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream ss;
        if (in) ss << in.rdbuf();
        if (!in || in.bad()) {
            if (error) *error = std::strerror(errno);
            return false;
        }
        text += ss.str();
    }
    // Written whole beside the journal and renamed over it: a journal that
    // cannot be rewritten so (disk full, no free inode) stays as it was.
    return FichierAtomique::Remplace(path, text, error);
}

}  // namespace Debug
