// Routine trace and error journal.
//
// Every routine opens a DBG_SCOPE with a constant tag ("Unit.Routine"). Entering
// records the tag in a ring of the last ten tags and pushes it on a stack of at
// most thirty; leaving pops it. Tags are kept as pointers to their literals, so
// the trace costs two stores per call and never allocates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Debug {

constexpr int kRingSize = 10;
constexpr int kStackSize = 30;
constexpr std::size_t kTagLength = 30;

enum TypeMsg : unsigned char {
    erDivZero = 0,
    erDivers = 2,
    erGLdll = 3,
    erFichier = 4,
    waTrace = 5,
};
std::string TypeName(int type);  // "erDivZero", ..., "erInconnue"

struct State {
    const char* ring[kRingSize] = {};
    int ringIndex = 0;
    const char* stack[kStackSize] = {};
    int depth = 0;
    bool inHandler = false;
};

State& state();

inline void DbgEnter(const char* tag) {
    State& s = state();
    s.ring[s.ringIndex] = tag;
    s.ringIndex = (s.ringIndex + 1) % kRingSize;
    if (s.depth >= kStackSize) s.depth = kStackSize - 1;
    if (s.depth < 0) s.depth = 0;
    s.stack[s.depth] = tag;
    ++s.depth;
}

inline void DbgLeave() {
    State& s = state();
    if (--s.depth < 0) s.depth = 0;
    s.stack[s.depth] = nullptr;
}

void DbgReset();

// Entry k of the ring or stack as stored: cut to 30 characters, "" when empty.
std::string RingEntry(int k);
std::string StackEntry(int k);
std::string NewestTag();  // the ring entry written last

// Reports (the debug window and the debug link listen through a sink).
using Sink = void (*)(int type, const std::string& tag, int index, const std::vector<std::string>& values);
void SetSink(Sink sink);
// Whether anyone listens: reports are only worth building then.
bool Tracing();
void DbgSend(int type, const std::string& tag, int index, const std::vector<std::string>& values);
void DbgMsgI(int type, const std::string& tag, int index, const std::vector<long long>& values);
void DbgMsgF(int type, const std::string& tag, int index, const std::vector<double>& values);
void DbgMsgStr(int type, const std::string& tag, int index, const std::vector<std::string>& values);
void DbgMsgS(const std::string& tag, int index, const std::vector<std::string>& values);

// The line inserted at the head of the journal for an error with this message:
// "<date time> : <newest tag> . <message> . Stack = t1 | t2 | ... t10 | "
std::string JournalLine(const std::string& message, const std::string& dateTime);
// The line for an event that came while routines were running (a signal, the
// display gone): the routines open at that moment, innermost first, in place
// of the recent tags, which also hold routines that returned long ago.
// "<date time> : <innermost> . <message> . Stack = inner | ... | outer | "
std::string JournalLinePile(const std::string& message, const std::string& dateTime);
std::string NowText();  // the current date and time, "dd/mm/yyyy hh:mm:ss"

// Folder of the running program, and where "Error.log" and other program
// files go: the program's folder when writable (and its "Error.log" too, when
// there is one), else the user's data folder.
std::string ProgramDir();
std::string UserDataDir();
std::string JournalPath();
// The journal's place for a program installed in programDir.
std::string JournalPathIn(const std::string& programDir);

// Inserts the line as the first line of the journal file (created when absent).
// Returns false with a reason when the file could not be written whole: the
// old journal then stays as it was. A journal made read-only is not touched.
bool PrependJournal(const std::string& path, const std::string& line, std::string* error = nullptr);

class Scope {
public:
    explicit Scope(const char* tag) { DbgEnter(tag); }
    ~Scope() { DbgLeave(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

}  // namespace Debug

#define CORVANE_DBG_CAT2(a, b) a##b
#define CORVANE_DBG_CAT(a, b) CORVANE_DBG_CAT2(a, b)
// The "" makes anything but a string literal fail to compile: the trace keeps
// the pointer, so the tag must live for the whole run.
#define DBG_SCOPE(tag) ::Debug::Scope CORVANE_DBG_CAT(dbgScope_, __LINE__)("" tag)
